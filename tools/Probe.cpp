// probe.exe: finds a top-level window by its caption and prints its state as
// JSON on one line. Runs under Wine beside the program it looks at.
//
//   probe.exe [--title TEXT] [--class NAME] [--nth N] [--wait MS] [--topmost 1] [--dpi N]
//             [--paste N] [--close 1] [--ask MS] [--end-session 1]
//
// --title  the caption to look for (default "Tornavel - Mensaje")
// --class  the window class to look for (say "#32770" for a message box)
// --nth    the Nth such window, from 0, the top of the z-order first
// --wait   keep looking this long before answering {"found":false}
// --topmost  keep looking until the window is top-most too, as the pop-up is
//          once its start-up has ended (it is shown, then made top-most)
// --dpi    first send the window WM_DPICHANGED for N dpi, as the system does
//          when it moves to a monitor of another scale
// --paste  first paste N characters, most of them outside code page 1252, in
//          lines of about 100, into the window's second edit box (the reply),
//          as Ctrl+V would; "pasteMs" says how long the box took to answer
// --close  last, send the window WM_CLOSE, as another program (or the
//          taskbar) asks it to close
// --ask    only this, to the window shown or hidden (a reply on its way):
//          send it WM_NULL, as a program that sends every window a message
//          does, then WM_QUERYENDSESSION, as a log-off asks every window, each
//          with a time-out of MS; printed: "answeredMs", how long each took
//          (null: not answered in time), and "errorBox", whether the error box
//          was there once both had been sent
// --end-session  then, having printed "ending" first, send it WM_ENDSESSION
//          for a log-off; "endedMs" is how long until it was answered or the
//          window gone
//
// Printed: the window's rectangle, client size, styles and extended styles
// (with "topmost"), visibility, whether it is the foreground window (when it
// is not, "foregroundIs": the class and caption of the one that is), the class
// of the control with the focus, and each child window's class, id, rectangle
// (relative to the window's client area), style, visibility and text, and
// what a screen reader gets for it through MSAA: its name and value.
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "AccessibleText.h"
#include "JsonText.h"
#include "util/AccessibleIid.h"
#include "util/Win32.h"

namespace {

using tools::Json;

std::wstring TextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 2000, &got);
    text.resize(got);
    return text;
}

// A screen reader's view of a control: the name and the value of its client
// object, as the platform's accessibility (MSAA) gives them.
std::string Accessible(HWND hwnd) {
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT),
                                            tornavel::kIidAccessible,
                                            reinterpret_cast<void**>(&object))) ||
        object == nullptr)
        return "";
    std::string out;
    for (const bool name : {true, false}) {
        const std::optional<std::wstring> text = tools::AccessibleText(
            object, name ? &IAccessible::get_accName : &IAccessible::get_accValue);
        out += std::string(",\"") + (name ? "name" : "value") + "\":" + (text ? Json(*text) : "null");
    }
    object->Release();
    return out;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    ::GetClassNameW(hwnd, name, 256);
    return name;
}

std::string Rect(const RECT& r) {
    char buf[80];
    std::snprintf(buf, sizeof(buf), "[%ld,%ld,%ld,%ld]", r.left, r.top, r.right, r.bottom);
    return buf;
}

const char* Bool(bool value) { return value ? "true" : "false"; }

// Puts `count` characters on the clipboard, then pastes them into `box`;
// the milliseconds until the box has answered.
DWORD Paste(HWND box, std::size_t count) {
    const std::wstring line = L"Vale \u0142 \u041F\u0440\u0438\u0432\u0435\u0442 \xD83D\xDE00 ok ";
    std::wstring text;
    for (std::size_t i = 1; text.size() < count; ++i) text += i % 5 == 0 ? line + L"\r\n" : line;
    text.resize(count);  // may cut a surrogate pair: a lone half is pasted too
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (count + 1) * sizeof(wchar_t));
    std::copy(text.c_str(), text.c_str() + count + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(nullptr)) return 0;
    ::EmptyClipboard();
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    const DWORD start = ::GetTickCount();
    ::SendMessageTimeoutW(box, WM_PASTE, 0, 0, SMTO_ABORTIFHUNG, 60000, nullptr);
    return ::GetTickCount() - start;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring title = L"Tornavel - Mensaje";
    std::wstring className;
    DWORD waitMs = 0;
    int dpi = -1;  // none sent
    std::size_t paste = 0;
    int nth = 0;
    bool topmost = false;
    bool close = false;
    UINT askMs = 0;
    bool endSession = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--title") title = argv[i + 1];
        if (option == L"--class") className = argv[i + 1];
        if (option == L"--wait") waitMs = static_cast<DWORD>(_wtoi(argv[i + 1]));
        if (option == L"--dpi") dpi = _wtoi(argv[i + 1]);
        if (option == L"--paste") paste = static_cast<std::size_t>(_wtoi(argv[i + 1]));
        if (option == L"--nth") nth = _wtoi(argv[i + 1]);
        if (option == L"--topmost") topmost = _wtoi(argv[i + 1]) != 0;
        if (option == L"--close") close = _wtoi(argv[i + 1]) != 0;
        if (option == L"--ask") askMs = static_cast<UINT>(_wtoi(argv[i + 1]));
        if (option == L"--end-session") endSession = _wtoi(argv[i + 1]) != 0;
    }

    const DWORD start = ::GetTickCount();
    HWND hwnd = nullptr;
    for (;;) {
        hwnd = nullptr;
        for (int i = 0; i <= nth; ++i)
            hwnd = ::FindWindowExW(nullptr, hwnd, className.empty() ? nullptr : className.c_str(),
                                   title.c_str());
        if (hwnd != nullptr && (askMs > 0 || ::IsWindowVisible(hwnd)) &&
            (!topmost || (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0))
            break;
        if (::GetTickCount() - start >= waitMs) break;
        ::Sleep(100);
    }
    // The screen as this process sees it: Wine reports 1024 x 768 to a
    // process that starts before its desktop has told the real size.
    const std::string screen = ",\"screen\":[" + std::to_string(::GetSystemMetrics(SM_CXSCREEN)) +
                               "," + std::to_string(::GetSystemMetrics(SM_CYSCREEN)) + "]";
    if (hwnd == nullptr) {
        std::puts(("{\"found\":false" + screen + "}").c_str());
        return 1;
    }

    if (askMs > 0) {
        std::printf("{\"found\":true%s,\"answeredMs\":[", screen.c_str());
        for (const UINT message : {WM_NULL, WM_QUERYENDSESSION}) {
            const DWORD sent = ::GetTickCount();
            // The log-off's question counts as answered only with a yes.
            DWORD_PTR result = 0;
            const bool answered = ::SendMessageTimeoutW(hwnd, message, 0, ENDSESSION_LOGOFF,
                                                        SMTO_NORMAL, askMs, &result) != 0 &&
                                  (message == WM_NULL || result != 0);
            const std::string took = std::to_string(::GetTickCount() - sent);
            std::printf("%s%s", answered ? took.c_str() : "null", message == WM_NULL ? "," : "]");
        }
        std::printf(",\"errorBox\":%s",
                    Bool(::FindWindowW(L"#32770", L"Ha ocurrido un error") != nullptr));
        if (endSession) {
            std::fputs(",\"ending\":true", stdout);
            std::fflush(stdout);
            const DWORD sent = ::GetTickCount();
            ::SendMessageTimeoutW(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000,
                                  nullptr);
            std::printf(",\"endedMs\":%lu", ::GetTickCount() - sent);
        }
        std::puts("}");
        return 0;
    }
    if (dpi >= 0) {
        // No suggested rectangle: Wine passes the pointer to another process
        // as it is, where it points at whatever that process has there.
        ::SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0);
        ::Sleep(300);  // for the repaint
    }
    DWORD pasteMs = 0;
    HWND reply =
        ::FindWindowExW(hwnd, ::FindWindowExW(hwnd, nullptr, L"Edit", nullptr), L"Edit", nullptr);
    if (paste > 0 && reply != nullptr) pasteMs = Paste(reply, paste);
    ::CoInitialize(nullptr);

    RECT window{};
    ::GetWindowRect(hwnd, &window);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ::ClientToScreen(hwnd, &origin);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    DWORD pid = 0;
    const DWORD thread = ::GetWindowThreadProcessId(hwnd, &pid);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    ::GetGUIThreadInfo(thread, &gui);

    std::string out = "{\"found\":true";
    out += ",\"pid\":" + std::to_string(pid) + screen;
    out += ",\"class\":" + Json(ClassOf(hwnd));
    out += ",\"caption\":" + Json(TextOf(hwnd));
    out += ",\"rect\":" + Rect(window);
    out +=
        ",\"client\":[" + std::to_string(client.right) + "," + std::to_string(client.bottom) + "]";
    out += ",\"style\":" + std::to_string(style);
    out += ",\"exStyle\":" + std::to_string(exStyle);
    out += std::string(",\"topmost\":") + Bool(exStyle & WS_EX_TOPMOST);
    out += std::string(",\"visible\":") + Bool(::IsWindowVisible(hwnd));
    out += std::string(",\"foreground\":") + Bool(::GetForegroundWindow() == hwnd);
    if (HWND foreground = ::GetForegroundWindow(); foreground != hwnd)
        out +=
            ",\"foregroundIs\":" +
            Json(foreground == nullptr ? L"none" : ClassOf(foreground) + L" " + TextOf(foreground));
    out += std::string(",\"owner\":") + Bool(::GetWindow(hwnd, GW_OWNER) != nullptr);
    if (paste > 0) out += ",\"pasteMs\":" + std::to_string(pasteMs);

    std::vector<HWND> children;
    ::EnumChildWindows(hwnd, &CollectChild, reinterpret_cast<LPARAM>(&children));
    int focus = -1;
    out += ",\"children\":[";
    for (std::size_t i = 0; i < children.size(); ++i) {
        HWND child = children[i];
        if (child == gui.hwndFocus) focus = static_cast<int>(i);
        RECT r{};
        ::GetWindowRect(child, &r);
        ::OffsetRect(&r, -origin.x, -origin.y);
        if (i != 0) out += ",";
        out += "{\"class\":" + Json(ClassOf(child));
        out += ",\"id\":" + std::to_string(::GetDlgCtrlID(child));
        out += ",\"rect\":" + Rect(r);
        out += ",\"style\":" +
               std::to_string(static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE)));
        out += std::string(",\"visible\":") + Bool(::IsWindowVisible(child));
        out += ",\"text\":" + Json(TextOf(child)) + Accessible(child) + "}";
    }
    out += "],\"focus\":" + std::to_string(focus) + "}";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fputc('\n', stdout);
    if (close) ::SendMessageTimeoutW(hwnd, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 10000, nullptr);
    return 0;
}
