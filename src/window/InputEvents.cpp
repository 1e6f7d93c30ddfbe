#include "window/InputEvents.h"

#include "core/ReplyText.h"
#include "core/TickCount.h"
#include "util/WindowText.h"

namespace tornavel {
namespace {

using Key = InputRules::Key;
using Focus = InputRules::Focus;
using Spot = InputRules::Spot;

Key KeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN:
            return Key::kEnter;
        case VK_ESCAPE:
            return Key::kEscape;
        case VK_TAB:
            return Key::kTab;
        case VK_SPACE:
            return Key::kSpace;
        case VK_F4:
            return Key::kF4;
        default:
            return Key::kOther;
    }
}

bool Down(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

}  // namespace

bool IsMousePress(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a button's second click comes as one
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

bool AnyMouseButtonDown() {
    for (const int button : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2})
        if (Down(button)) return true;
    return false;
}

std::optional<InputRules::Answer> AnswerFor(InputRules& rules, const MSG& msg,
                                            const InputTargets& targets) {
    const std::int64_t time = WidenTick(msg.time, ::GetTickCount64());
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        InputRules::KeyDown key{KeyOf(msg.wParam), time, Down(VK_SHIFT), Down(VK_CONTROL),
                                (HIWORD(msg.lParam) & KF_ALTDOWN) != 0};
        key.focus = msg.hwnd == targets.replyBox      ? Focus::kReplyBox
                    : msg.hwnd == targets.closeButton ? Focus::kCloseButton
                                                      : Focus::kElsewhere;
        // Read only for Enter: the text may be long.
        key.replyBlank = key.key == Key::kEnter && IsBlankReply(WindowText(targets.replyBox));
        return rules.OnKeyDown(key);
    }
    if (msg.message == WM_CHAR) return rules.OnCharacter(static_cast<wchar_t>(msg.wParam));
    if (!IsMousePress(msg.message)) return std::nullopt;

    Spot spot = Spot::kElsewhere;
    const POINT at{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    if (msg.hwnd == targets.closeButton) spot = Spot::kCloseButton;
    if (msg.hwnd == targets.sendButton) spot = Spot::kSendButton;
    if (msg.hwnd == targets.window && ::PtInRect(&targets.titleLabel, at)) spot = Spot::kTitleLabel;
    // While the window has the mouse, another button is already down.
    return rules.OnPress(spot, time, ::GetCapture() == targets.window);
}

}  // namespace tornavel
