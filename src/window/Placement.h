#pragma once

#include "util/UniqueHandle.h"

namespace tornavel {

// The pop-up centred on the screen at `dpi`, where it is made, hidden.
RECT CentredPopUpRect(int dpi);

// Where a new pop-up of ours opens at `dpi`: centred on the screen, or, when
// another one of ours (a window of `className`, shown, of any process) lies
// there already or has taken that place (TakePlace), cascaded one title-bar
// height lower and to the right, in runs within the monitor's work area
// (core/Cascade.h).
RECT NewPopUpRect(const wchar_t* className, int dpi);

// Marks `hwnd`'s present rectangle as the place it holds, for NewPopUpRect in
// every process: under a window manager the window's rectangle is for a
// moment another (the manager's frame taking it in) while the next pop-up
// reads it. Done when a pop-up is shown and when a person has moved it.
void TakePlace(HWND hwnd);
// Lets the place go, as the window goes.
void LeavePlace(HWND hwnd);

// A turn among our pop-ups of every process of this Windows log-on, one at a
// time (a named mutex). A turn whose owner ended without letting go passes
// on. A pop-up waits for it up to `longestWaitMs` (enough for twenty started
// together on a busy machine), then goes ahead without it rather than wait
// longer. Taken again by the thread that holds it, it is held.
//  - placement: choosing a place and taking it, so that two that start in
//    the same instant never choose the same place: from the choice until the
//    pop-up is shown there, top-most, and no longer;
//  - activation: activating a pop-up and raising it, so that none comes
//    between, and the one on top is the one activated last.
class PopUpTurn {
  public:
    enum class Of { kPlacement, kActivation };
    static constexpr DWORD kLongestWaitMs = 5000;
    explicit PopUpTurn(Of of, DWORD longestWaitMs = kLongestWaitMs);
    ~PopUpTurn();
    PopUpTurn(const PopUpTurn&) = delete;
    PopUpTurn& operator=(const PopUpTurn&) = delete;

    // False when it went ahead without the turn.
    bool Held() const noexcept { return held_; }

  private:
    UniqueKernelHandle mutex_;
    bool held_ = false;
};

}  // namespace tornavel
