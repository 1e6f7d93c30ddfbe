#pragma once

#include "util/UniqueHandle.h"

namespace tornavel {

// The pop-up centred on the screen at `dpi`, where it is made, hidden.
RECT CentredPopUpRect(int dpi);

// Where a new pop-up of ours opens at `dpi`: centred on the screen, or, when
// another one of ours (a window of `className`, shown, of any process) lies
// there already, cascaded one title-bar height lower and to the right, as
// far as the monitor's work area allows.
RECT NewPopUpRect(const wchar_t* className, int dpi);

// Our pop-ups' turn to choose a place and show, one at a time among every
// process of this Windows log-on, so that two that start in the same instant
// never choose the same place: held from the choice until the pop-up is
// shown and top-most. Waits a second at most; a pop-up that cannot have the
// turn by then goes ahead without it rather than wait longer.
class PlacementTurn {
  public:
    PlacementTurn();
    ~PlacementTurn();
    PlacementTurn(const PlacementTurn&) = delete;
    PlacementTurn& operator=(const PlacementTurn&) = delete;

  private:
    UniqueKernelHandle mutex_;
    bool held_ = false;
};

}  // namespace tornavel
