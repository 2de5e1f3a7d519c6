// Playing from the keyboard. The arrow keys move a marker round the ring of visible arrow cells;
// Enter or Space turns the marked line through the same handler as a click; while the
// instructions page is shown Enter, Space or Escape closes it; F10 hands the keys to the menu bar.
// Front ends only name the keys.
#pragma once

#include "engine/game.h"

namespace pirandella {

// The keys that play. A keypad's Enter is Enter.
enum class Key { Left, Right, Up, Down, Enter, Space, Escape, F10 };

enum class KeyResult {
    Unused,      // the key does nothing here; the front end may pass it on
    MarkerMoved, // the marker went to another arrow (or stayed at a dead end)
    Clicked,     // the marked arrow, or the page, was clicked
    OpenMenu     // the front end opens its menu bar with its first command chosen
};

KeyResult KeyPress(Game& g, Key key);

} // namespace pirandella
