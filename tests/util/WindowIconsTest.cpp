#include "util/WindowIcons.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tornavel {
namespace {

// One WM_SETICON as a window received it.
struct IconMessage {
    HWND window;
    WPARAM kind;
    HICON icon;
};

std::vector<IconMessage> g_received;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETICON)
        g_received.push_back({hwnd, wParam, reinterpret_cast<HICON>(lParam)});
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

class SetWindowIconsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static const ATOM atom = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = &RecordingProc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"IconRecorder";
            return ::RegisterClassExW(&wc);
        }();
        ASSERT_NE(atom, 0);
        g_received.clear();
    }
    void TearDown() override {
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) ::DestroyWindow(*it);
    }

    HWND Make(HWND owner = nullptr) {
        HWND hwnd = ::CreateWindowExW(0, L"IconRecorder", L"", WS_POPUP, 0, 0, 10, 10, owner,
                                      nullptr, ::GetModuleHandleW(nullptr), nullptr);
        windows_.push_back(hwnd);
        return hwnd;
    }

    static HICON Expected(int cx, int cy) {
        return static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleW(nullptr), "ICONOAPL", IMAGE_ICON, cx, cy, LR_SHARED));
    }

    std::vector<HWND> windows_;
};

TEST_F(SetWindowIconsTest, WindowWithoutOwnerGetsEachIconTwice) {
    HWND window = Make();
    SetWindowIcons(window, L"IconoAPL", true);
    const HICON big = Expected(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    const HICON small = Expected(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    ASSERT_NE(big, nullptr) << "the icon group is found whatever the case of its name";
    ASSERT_NE(small, nullptr);
    ASSERT_EQ(g_received.size(), 4u);
    const IconMessage expected[] = {{window, ICON_BIG, big},
                                    {window, ICON_BIG, big},
                                    {window, ICON_SMALL, small},
                                    {window, ICON_SMALL, small}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(g_received[i].window, expected[i].window) << i;
        EXPECT_EQ(g_received[i].kind, expected[i].kind) << i;
        EXPECT_EQ(g_received[i].icon, expected[i].icon) << i;
    }
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_BIG, 0)), big);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), small);
}

TEST_F(SetWindowIconsTest, OwnerChainGivesTheIconsToTheLastOwnerOnly) {
    HWND c = Make();
    HWND b = Make(c);
    HWND a = Make(b);
    SetWindowIcons(a, L"IconoAPL", true);
    ASSERT_EQ(g_received.size(), 4u);
    const HWND order[] = {c, a, c, a};
    const WPARAM kinds[] = {ICON_BIG, ICON_BIG, ICON_SMALL, ICON_SMALL};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(g_received[i].window, order[i]) << i;
        EXPECT_EQ(g_received[i].kind, kinds[i]) << i;
        EXPECT_NE(g_received[i].icon, nullptr) << i;
    }
    EXPECT_EQ(::SendMessageW(b, WM_GETICON, ICON_BIG, 0), 0) << "the middle owner gets none";
}

TEST_F(SetWindowIconsTest, WithoutTheOwnerFlagOnlyTheWindowGetsTwoMessages) {
    HWND owner = Make();
    HWND window = Make(owner);
    SetWindowIcons(window, L"IconoAPL", false);
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0].window, window);
    EXPECT_EQ(g_received[0].kind, static_cast<WPARAM>(ICON_BIG));
    EXPECT_EQ(g_received[1].window, window);
    EXPECT_EQ(g_received[1].kind, static_cast<WPARAM>(ICON_SMALL));
}

TEST_F(SetWindowIconsTest, MissingResourceSendsNullIconsAndReturns) {
    HWND window = Make();
    SetWindowIcons(window, L"NoExiste", true);
    ASSERT_EQ(g_received.size(), 4u);
    for (const IconMessage& m : g_received) EXPECT_EQ(m.icon, nullptr);
}

TEST_F(SetWindowIconsTest, NullWindowIsHarmless) {
    SetWindowIcons(nullptr, L"IconoAPL", true);
    EXPECT_TRUE(g_received.empty());
}

}  // namespace
}  // namespace tornavel
