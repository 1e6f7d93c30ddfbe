// listen.exe: hears what a screen reader hears. It hooks the WinEvents of
// every process out of context, as a screen reader does, and prints each
// event with what its object says (MSAA), as JSON, one line each, written
// out at once. Runs under Wine beside the program it listens to.
//
//   listen.exe [--for MS] [--class NAME] [--settle MS]
//
// --for     how long to listen at most (default 20000); killed sooner, it
//           has written every line of what it heard
// --class   read only the events of windows whose top-level window is of
//           this class (default: every event)
// --settle  end this long after the first alert heard
//
// Printed: {"listening":true} once the hook is in place; then for each event
// {"event":N,"class":C,"object":N,"child":N} with, when its object could be
// read (AccessibleObjectFromEvent), its "role", "state", "name", "value" and
// "description"; after an alert, the same of the client object of the focus's
// parent, with "focusParent":true and the focus's name as "focus": what a
// screen reader that reads the focus's parents says of the window. Wine
// raises no focus events of its own, so it is read here.
#include <ole2.h>
#include <oleacc.h>

#include <cstdio>
#include <deque>
#include <string>
#include <utility>

#include "AccessibleText.h"
#include "JsonText.h"
#include "util/AccessibleIid.h"
#include "util/Win32.h"

namespace {

struct Event {
    DWORD event;
    HWND hwnd;
    LONG object, child;
};

// Events wait here for the message loop: reading an object sends the window
// a message, which is not done inside the hook's callback.
std::deque<Event> heard;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                      DWORD) {
    heard.push_back({event, hwnd, object, child});
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    if (hwnd != nullptr) ::GetClassNameW(::GetAncestor(hwnd, GA_ROOT), name, 256);
    return name;
}

// What a screen reader reads of the object, as JSON fields; `child` is the
// child id the object answers for.
std::string Described(IAccessible* object, const VARIANT& child) {
    std::string out;
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return out;  // a simple child: not read
    for (const auto& [field, read] : {std::pair{"role", &IAccessible::get_accRole},
                                      std::pair{"state", &IAccessible::get_accState}}) {
        const std::optional<long> number = tools::AccessibleNumber(object, read);
        out += std::string(",\"") + field + "\":" + (number ? std::to_string(*number) : "null");
    }
    for (const auto& [field, read] : {std::pair{"name", &IAccessible::get_accName},
                                      std::pair{"value", &IAccessible::get_accValue},
                                      std::pair{"description", &IAccessible::get_accDescription}}) {
        const std::optional<std::wstring> text = tools::AccessibleText(object, read);
        out += std::string(",\"") + field + "\":" + (text ? tools::Json(*text) : "null");
    }
    return out;
}

void Print(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// The client object of the parent of the focus in `window`'s thread.
void PrintFocusParent(HWND window) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &gui) ||
        gui.hwndFocus == nullptr)
        return Print("{\"focusParent\":true,\"focus\":null}");
    std::string line = "{\"focusParent\":true";
    IAccessible* object = nullptr;
    if (SUCCEEDED(::AccessibleObjectFromWindow(gui.hwndFocus, static_cast<DWORD>(OBJID_CLIENT),
                                               tornavel::kIidAccessible,
                                               reinterpret_cast<void**>(&object)))) {
        const std::optional<std::wstring> name =
            tools::AccessibleText(object, &IAccessible::get_accName);
        line += ",\"focus\":" + (name ? tools::Json(*name) : std::string("null"));
        object->Release();
        object = nullptr;
    }
    HWND parent = ::GetAncestor(gui.hwndFocus, GA_PARENT);
    if (SUCCEEDED(::AccessibleObjectFromWindow(parent, static_cast<DWORD>(OBJID_CLIENT),
                                               tornavel::kIidAccessible,
                                               reinterpret_cast<void**>(&object)))) {
        line += Described(object, tools::Self());
        object->Release();
    }
    Print(line + "}");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    DWORD forMs = 20000;
    DWORD settleMs = 0;  // none
    std::wstring className;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring option = argv[i];
        if (option == L"--for") forMs = static_cast<DWORD>(_wtoi(argv[i + 1]));
        if (option == L"--settle") settleMs = static_cast<DWORD>(_wtoi(argv[i + 1]));
        if (option == L"--class") className = argv[i + 1];
    }
    ::CoInitialize(nullptr);
    HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &OnEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) {
        Print("{\"listening\":false}");
        return 1;
    }
    Print("{\"listening\":true}");

    DWORD end = ::GetTickCount() + forMs;
    bool alerted = false;
    for (;;) {
        const auto left = static_cast<LONG>(end - ::GetTickCount());
        if (left <= 0) break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        while (!heard.empty()) {
            const Event event = heard.front();
            heard.pop_front();
            const std::wstring of = ClassOf(event.hwnd);
            if (!className.empty() && of != className) continue;
            std::string line = "{\"event\":" + std::to_string(event.event) +
                               ",\"class\":" + tools::Json(of) +
                               ",\"object\":" + std::to_string(event.object) +
                               ",\"child\":" + std::to_string(event.child);
            IAccessible* object = nullptr;
            VARIANT child{};
            if (SUCCEEDED(::AccessibleObjectFromEvent(event.hwnd, static_cast<DWORD>(event.object),
                                                      static_cast<DWORD>(event.child), &object,
                                                      &child)) &&
                object != nullptr) {
                line += Described(object, child);
                object->Release();
            }
            ::VariantClear(&child);
            Print(line + "}");
            if (event.event != EVENT_SYSTEM_ALERT) continue;
            PrintFocusParent(event.hwnd);
            if (settleMs > 0 && !alerted) end = ::GetTickCount() + settleMs;
            alerted = true;
        }
    }
    ::UnhookWinEvent(hook);
    return 0;
}
