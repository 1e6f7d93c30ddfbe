#include "ReplyBoxEdits.h"

#include <dimm.h>
#include <imm.h>

#include <algorithm>
#include <cstring>
#include <iomanip>
#include <random>
#include <set>
#include <sstream>

#include "core/ReplyDatagram.h"
#include "core/ReplyText.h"
#include "core/SystemTexts.h"
#include "core/Surrogates.h"
#include "util/CodePage.h"
#include "util/WindowText.h"
#include "window/MessageWindow.h"

namespace tornavel::edits {
namespace {

// `text` as a C++ literal.
std::string Literal(const std::wstring& text) {
    std::ostringstream literal;
    literal << "L\"";
    for (const wchar_t unit : text) {
        if (unit >= L' ' && unit < 0x7F && unit != L'"' && unit != L'\\')
            literal << static_cast<char>(unit);
        else if (IsHighSurrogate(unit) || IsLowSurrogate(unit))
            literal << "\\x" << std::hex << int{unit} << std::dec << "\" L\"";
        else
            literal << "\\u" << std::hex << std::setw(4) << std::setfill('0') << int{unit}
                    << std::dec;
    }
    return literal.str() + "\"";
}

}  // namespace

std::string Row(const Step& step) {
    static const char* const kNames[] = {"kType",    "kKey",     "kClipboard", "kSetText",
                                         "kReplace", "kImeChar", "kCompose",   "kInserted"};
    std::ostringstream row;
    row << "{Do::" << kNames[static_cast<int>(step.what)] << ", " << Literal(step.text) << ", "
        << step.key << ", " << step.shift << ", " << step.control << "}";
    return row.str();
}

namespace {

// The text, the selection, and what an undo gives back.
struct State {
    std::wstring text;
    DWORD from = 0, to = 0;
    std::wstring undone;
    bool canUndo = false;
    bool operator==(const State&) const = default;
};

// The pop-up's own reply box taking at most `room` bytes of the desk's code
// page, driven as the program's message loop drives it, checked after every
// step: it holds only what the peer reads, never half a pair, never beyond the
// room; text refused leaves text, selection and undo as they were; text taken
// goes in whole characters in place of the selection, as the peer reads it;
// and an undo gives back a text the box held before.
class Desk {
  public:
    explicit Desk(std::size_t room) : room_(room) {
        window_.LimitReply(room);
        box_ = ::GetWindow(::GetWindow(window_.Handle(), GW_CHILD), GW_HWNDNEXT);
        ::SetFocus(box_);  // where a person types: the caret shows a selection's direction
        if (::OpenClipboard(window_.Handle())) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        seen_.insert(L"");
    }

    std::wstring Text() const { return WindowText(box_); }
    // What is wrong after `step`, or nothing.
    std::string Take(const Step& step) {
        const State before = Probe();
        const std::optional<Change> change = Expect(step, before);
        // Edits within a step: a held half that went in alone, a composition's characters.
        severalEdits_ = held_;
        Send(step);
        const State after = Probe();
        std::string fault = Check(after);
        if (fault.empty() && change && !held_) {
            std::wstring expected = before.text;
            expected.replace(change->from, change->to - change->from,
                             AsCodePageCarriesIt(change->text));
            if (ToCodePage(expected).size() > room_) {
                // (What the control inserted itself is taken back: the text stays.)
                if (step.what == Do::kInserted && after.text != before.text)
                    fault = "refused, yet the text changed";
                if (step.what != Do::kInserted && !(after == before))
                    fault = "refused, yet text, selection or undo changed";
            } else if (after.text != expected) {
                fault = "not the text expected (" + Literal(expected) + ")";
            }
        }
        const bool changedByPerson = step.what != Do::kSetText &&
                                     !(step.what == Do::kReplace && step.key == 0) &&
                                     after.text != before.text;
        if (fault.empty() && changedByPerson && !after.canUndo) fault = "the edit cannot be undone";
        // Its undo gives back the text from before it, or, when the control joined
        // it to the edit before (typing on), what that edit's undo gave.
        if (fault.empty() && changedByPerson && !severalEdits_ && after.undone != before.text &&
            after.undone != before.undone)
            fault = "an undo does not give back the text from before the edit";
        const bool undo = step.what == Do::kKey && step.key == 'Z' && step.control && !step.shift;
        if (fault.empty() && undo && after.text != before.undone)
            fault = "Ctrl+Z did not give back what an undo gave (" + Literal(before.undone) + ")";
        if ((step.what == Do::kType || step.what == Do::kImeChar) && !step.text.empty())
            held_ = IsHighSurrogate(step.text.back());
        else if (step.what == Do::kKey &&
                 (step.key == VK_BACK ||
                  (step.control && std::wstring_view(L"ZXCV").find(
                                       static_cast<wchar_t>(step.key)) != std::wstring_view::npos)))
            held_ = false;  // a character went to the box
        seen_.insert(after.text);
        if (severalEdits_) seen_.insert(after.undone);  // held within the step
        if (!fault.empty())
            fault += ": " + Literal(after.text) + ", an undo gives " + Literal(after.undone);
        return fault;
    }

  private:
    void Key(UINT key, bool shift, bool control, LPARAM scan = 0) {
        BYTE keys[256] = {};
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(keys);
        // A character (VK_PACKET) rides in the high word whole, as SendInput's
        // KEYEVENTF_UNICODE makes it; TranslateMessage takes it from there.
        const LPARAM lParam = 1 | (scan << 16);
        ::PostMessageW(box_, WM_KEYDOWN, key, lParam);
        ::PostMessageW(box_, WM_KEYUP, key, lParam | 0xC0000000);
        Pump();
        keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    }
    // As WinMain's loop: the window's preview first, then translation.
    void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!window_.PreTranslate(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }
    void Send(const Step& step) {
        const auto text = reinterpret_cast<LPARAM>(step.text.c_str());
        switch (step.what) {
            case Do::kType:
                for (const wchar_t unit : step.text) Key(VK_PACKET, false, false, unit);
                break;
            case Do::kKey:
                Key(step.key, step.shift, step.control);
                break;
            case Do::kClipboard:
                SetClipboard(step.text);
                break;
            case Do::kSetText:
                ::SendMessageW(box_, WM_SETTEXT, 0, text);
                break;
            case Do::kReplace:
                ::SendMessageW(box_, EM_REPLACESEL, step.key != 0, text);
                break;
            case Do::kImeChar:
                ::PostMessageW(box_, WM_IME_CHAR, step.text.empty() ? L' ' : step.text[0], 1);
                Pump();
                break;
            case Do::kCompose:
                Compose(step.text);
                break;
            case Do::kInserted: {
                const auto control =
                    reinterpret_cast<WNDPROC>(::GetClassLongPtrW(box_, GCLP_WNDPROC));
                ::CallWindowProcW(control, box_, EM_REPLACESEL, TRUE, text);
                break;
            }
        }
    }
    void SetClipboard(const std::wstring& text) {
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        ::memcpy(::GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
        ::GlobalUnlock(memory);
        if (::OpenClipboard(window_.Handle())) {
            ::EmptyClipboard();
            ::SetClipboardData(CF_UNICODETEXT, memory);
            ::CloseClipboard();
        }
    }
    std::optional<std::wstring> ClipboardText() {
        std::optional<std::wstring> text;
        if (!::OpenClipboard(window_.Handle())) return text;
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(::GlobalLock(data));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
        return text;
    }
    void Compose(const std::wstring& text);

    // What the step puts in place of which units, when the driver can tell.
    struct Change {
        std::size_t from, to;
        std::wstring text;
    };
    std::optional<Change> Expect(const Step& step, const State& before) {
        const std::wstring& text = before.text;
        auto [from, to] = WholeCharacters(text, before.from, before.to);
        switch (step.what) {
            case Do::kType:
            case Do::kImeChar:
                if (step.text.empty() || IsHighSurrogate(step.text.back())) return std::nullopt;
                if (step.text == L"\r") return Change{from, to, L"\r\n"};
                return Change{from, to,
                              step.what == Do::kType ? step.text : step.text.substr(0, 1)};
            case Do::kSetText:
                return Change{0, text.size(), step.text};
            case Do::kReplace:
                return Change{from, to, step.text};
            case Do::kCompose:
                if (step.text.empty()) return std::nullopt;
                return Change{from, to, step.text};
            case Do::kInserted:
                return Change{before.from, before.to, step.text};
            case Do::kClipboard:
                return std::nullopt;
            case Do::kKey:
                break;
        }
        const bool shift = step.shift, control = step.control;
        if ((step.key == 'V' && control && !shift) || (step.key == VK_INSERT && shift))
            if (const std::optional<std::wstring> pasted = ClipboardText())
                return Change{from, to, *pasted};
        if (step.key == VK_RETURN && (shift || control)) return Change{from, to, L"\r\n"};
        if (step.key == 'X' && control && !shift) return Change{from, to, L""};
        if (shift || control || (step.key != VK_BACK && step.key != VK_DELETE)) return std::nullopt;
        // A pair, or a line break, is one character.
        const auto whole = [&](std::size_t at) {
            return at + 1 < text.size() &&
                   ((IsHighSurrogate(text[at]) && IsLowSurrogate(text[at + 1])) ||
                    text.compare(at, 2, L"\r\n") == 0);
        };
        if (from == to && step.key == VK_BACK && from > 0)
            from -= from >= 2 && whole(from - 2) ? 2 : 1;
        if (from == to && step.key == VK_DELETE && to < text.size()) to += whole(to) ? 2 : 1;
        return Change{from, to, L""};
    }

    State Probe() const {
        State state;
        ::SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&state.from),
                       reinterpret_cast<LPARAM>(&state.to));
        // A selection made backwards has its caret at its start, and keeps it there.
        POINT caret{};
        const auto at = [&](DWORD index) {
            const auto point = static_cast<DWORD>(::SendMessageW(box_, EM_POSFROMCHAR, index, 0));
            return static_cast<short>(LOWORD(point)) == caret.x &&
                   static_cast<short>(HIWORD(point)) == caret.y;
        };
        const bool backwards =
            state.from != state.to && ::GetCaretPos(&caret) && at(state.from) && !at(state.to);
        state.text = WindowText(box_);
        state.canUndo = ::SendMessageW(box_, EM_CANUNDO, 0, 0) != 0;
        ::SendMessageW(box_, EM_UNDO, 0, 0);
        state.undone = WindowText(box_);
        ::SendMessageW(box_, EM_UNDO, 0, 0);  // and back
        ::SendMessageW(box_, EM_SETSEL, backwards ? state.to : state.from,
                       backwards ? state.from : state.to);
        return state;
    }

    std::string Check(const State& state) const {
        const std::wstring& text = state.text;
        if (WindowText(box_) != text) return "an undo and its undo do not give the text back";
        if (WithLoneHalvesAsQuestionMarks(text) != text) return "half of a pair alone";
        if (AsCodePageCarriesIt(text) != text) return "not what the peer reads";
        if (ToCodePage(text).size() > room_) return "beyond the room";
        // The datagram the window would send, in the code page's bytes, as the peer reads it.
        const FieldRecord record(std::vector<std::wstring>(10, L"f"));
        const std::wstring datagram = ComposeReplyDatagram(
            texts::kFirstReplyToken, record, MakeReplyId({23, 59, 59}, 99), TrimBlanks(text),
            TimeStamp({23, 59, 59}));
        if (FromCodePage(ToCodePage(datagram)) != datagram)
            return "the datagram does not carry the text";
        if (SplitsPair(text, state.from) || SplitsPair(text, state.to))
            return "a selection's edge between the halves of a pair";
        if (state.undone != text && !seen_.contains(state.undone) && !severalEdits_)
            return "an undo gives back a text the box never held";
        return {};
    }

    std::size_t room_;
    MessageWindow window_;
    HWND box_ = nullptr;
    std::set<std::wstring> seen_;  // every text the box held after a step
    bool held_ = false;            // a first half typed, its partner not yet
    bool severalEdits_ = false;    // the step makes more than one edit
};

// What an input method keeps for the window, as its side of imm32 sees it.
struct CompositionString {
    DWORD size, unused[20], resultLength, resultOffset, privateSize, privateOffset;
};
extern "C" {
INPUTCONTEXT* WINAPI ImmLockIMC(HIMC);
BOOL WINAPI ImmUnlockIMC(HIMC);
HIMCC WINAPI ImmReSizeIMCC(HIMCC, DWORD);
void* WINAPI ImmLockIMCC(HIMCC);
BOOL WINAPI ImmUnlockIMCC(HIMCC);
}

// As an input method ends a composition: the result in the box's input
// context, then WM_IME_COMPOSITION saying so, which the control takes itself.
void Desk::Compose(const std::wstring& text) {
    const HIMC context = ::ImmGetContext(box_);
    if (context == nullptr) return;  // no input context: the text expected is missing
    INPUTCONTEXT* input = ImmLockIMC(context);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    const DWORD size = sizeof(CompositionString) + bytes;
    input->hCompStr = ImmReSizeIMCC(input->hCompStr, size);
    auto* composition = static_cast<CompositionString*>(ImmLockIMCC(input->hCompStr));
    *composition = {size, {}, static_cast<DWORD>(text.size()), sizeof(CompositionString), 0, 0};
    ::memcpy(composition + 1, text.c_str(), bytes);
    ::PostMessageW(box_, WM_IME_COMPOSITION, 0, GCS_RESULTSTR);
    Pump();
    composition->resultLength = 0;  // handed over: the input method keeps it no longer
    ImmUnlockIMCC(input->hCompStr);
    ImmUnlockIMC(context);
    ::ImmReleaseContext(box_, context);
}

}  // namespace

Outcome RunSteps(std::size_t room, const std::vector<Step>& steps) {
    Outcome outcome;
    Desk desk(room);
    for (const Step& step : steps) {
        std::string fault = desk.Take(step);
        outcome.texts.push_back(desk.Text());
        if (!fault.empty()) {
            outcome.fault = std::move(fault);
            break;
        }
    }
    return outcome;
}

namespace {

// The steps, without as many as can go while a check still fails.
std::vector<Step> CutDown(std::size_t room, std::vector<Step> steps) {
    for (std::size_t chunk = std::max<std::size_t>(steps.size() / 2, 1);; chunk /= 2) {
        for (std::size_t at = steps.size(); at-- > 0;) {
            std::vector<Step> fewer = steps;
            const std::size_t from = at >= chunk ? at + 1 - chunk : 0;
            fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(from),
                        fewer.begin() + static_cast<std::ptrdiff_t>(at + 1));
            if (const Outcome failed = RunSteps(room, fewer); failed.fault) {
                fewer.resize(failed.texts.size());
                steps = std::move(fewer);
                at = std::min(at, steps.size());
            }
        }
        if (chunk == 1) return steps;
    }
}

std::wstring Piece(std::mt19937& random) {
    static const wchar_t* const kPieces[] = {
        L"a",      L"Z",      L" ",    L"\u00E9", L"\u0142",       L"\u041F",       L"\u3042",
        L"\uFF71", L"\u20AC", L"\r\n", L"\t",     L"\xD83D\xDE00", L"\xD83D\xDE01", L"\xD83D",
        L"\xDE00"};
    return kPieces[random() % std::size(kPieces)];
}

Step RandomStep(std::mt19937& random, std::size_t room) {
    std::wstring text;
    const std::size_t pieces =
        random() % 4 == 0 ? room / 2 + random() % (room / 2 + 2) : random() % 4;
    for (std::size_t i = 0; i < pieces; ++i) text += Piece(random);
    static const std::tuple<UINT, bool, bool> kKeys[] = {
        {VK_BACK, false, false},  {VK_DELETE, false, false}, {VK_DELETE, true, false},
        {VK_LEFT, false, false},  {VK_RIGHT, false, false},  {VK_LEFT, true, false},
        {VK_RIGHT, true, false},  {VK_HOME, true, false},    {VK_END, true, false},
        {VK_HOME, false, false},  {VK_END, false, false},    {VK_UP, true, false},
        {VK_DOWN, false, false},  {VK_LEFT, true, true},     {'Z', false, true},
        {'X', false, true},       {'C', false, true},        {'V', false, true},
        {VK_INSERT, true, false}, {VK_INSERT, true, true},   {VK_RETURN, false, true},
        {VK_RETURN, true, false}, {VK_BACK, false, false},   {'Z', false, true}};
    switch (random() % 16) {
        case 0:
        case 1:
        case 2:
        case 3: {
            std::wstring piece = Piece(random);
            if (piece == L"\r\n") piece = L"\r";
            return {Do::kType, piece};
        }
        case 4:
            return {Do::kClipboard, text};
        case 5:
            return {Do::kSetText, text};
        case 6:
            return {Do::kReplace, text, random() % 2};
        case 7:
            return {Do::kImeChar, Piece(random).substr(0, 1)};
        case 8:  // an input method makes no line break
            text.erase(std::remove(text.begin(), text.end(), L'\r'), text.end());
            text.erase(std::remove(text.begin(), text.end(), L'\n'), text.end());
            return {Do::kCompose, text};
        case 9:
            return {Do::kInserted, text};
        default: {
            const auto& [key, shift, control] = kKeys[random() % std::size(kKeys)];
            return {Do::kKey, L"", key, shift, control};
        }
    }
}

}  // namespace

std::string Drive(unsigned long seed, std::size_t total) {
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    constexpr std::size_t kRunLength = 200;  // a new pop-up after so many steps
    for (std::size_t done = 0; done < total; done += kRunLength) {
        const std::size_t room = 8 + random() % 24;
        std::vector<Step> steps;
        for (std::size_t i = 0; i < kRunLength; ++i) steps.push_back(RandomStep(random, room));
        const Outcome failed = RunSteps(room, steps);
        if (!failed.fault) continue;
        steps.resize(failed.texts.size());
        steps = CutDown(room, steps);
        // What the fewest steps fail on (what the whole run failed on, should a run of
        // them pass: then the box depends on more than the steps).
        const std::string fault = RunSteps(room, steps).fault.value_or(*failed.fault + " (once)");
        std::string report = fault + " at room " + std::to_string(room) + ", seed " +
                             std::to_string(seed) + ", after:\n";
        for (const Step& step : steps) report += "    " + Row(step) + ",\n";
        return report;
    }
    return {};
}

}  // namespace tornavel::edits
