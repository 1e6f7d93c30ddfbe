#pragma once

#include "util/UniqueHandle.h"

namespace tornavel {

// The pop-up centred on the screen at `dpi`, where it is made, hidden.
RECT CentredPopUpRect(int dpi);

// Where a new pop-up of ours opens at `dpi`: centred on the screen, or, when
// another one of ours (a window of `className`, shown, of any process) lies
// there already, cascaded one title-bar height lower and to the right, in
// runs within the monitor's work area (core/Cascade.h).
RECT NewPopUpRect(const wchar_t* className, int dpi);

// Our pop-ups' turn to choose a place and take it, one at a time among every
// process of this Windows log-on, so that two that start in the same instant
// never choose the same place: held from the choice until the pop-up is
// shown there, top-most, and no longer (activation waits outside it). A turn
// whose owner ended without letting go passes on. A pop-up waits for it up
// to `longestWaitMs` (enough for twenty started together on a busy machine),
// then goes ahead without it rather than wait longer.
class PlacementTurn {
  public:
    static constexpr DWORD kLongestWaitMs = 5000;
    explicit PlacementTurn(DWORD longestWaitMs = kLongestWaitMs);
    ~PlacementTurn();
    PlacementTurn(const PlacementTurn&) = delete;
    PlacementTurn& operator=(const PlacementTurn&) = delete;

    // False when it went ahead without the turn.
    bool Held() const noexcept { return held_; }

  private:
    UniqueKernelHandle mutex_;
    bool held_ = false;
};

}  // namespace tornavel
