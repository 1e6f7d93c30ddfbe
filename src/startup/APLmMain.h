#pragma once

namespace tornavel {

// The entry procedure: reads the hand-off file into the record, then fills and
// shows the message window. Returns with no window loaded when there is nothing
// to show; any failure on the way is cleaned up silently (the hand-off file is
// deleted if it can be, the window unloaded).
void APLmMain();

}  // namespace tornavel
