// Playing from the keyboard. The arrow keys move a marker round the ring of visible arrow cells
// (keyboard_ring.h); Enter or Space turns the marked line as a click on its cell does; while the
// instructions page is shown Enter, Space or Escape closes it; F10 hands the keys to the menu bar.
// The usual shortcuts run menu commands: Ctrl+Z "Annulla mossa", Ctrl+N and F2 "Nuovo schema",
// F1 "Istruzioni". Front ends only name the keys.
#pragma once

#include "view/window/window_model.h"

#include <optional>

namespace pirandella {

// The keys that play. A keypad's Enter is Enter.
enum class Key { Left, Right, Up, Down, Enter, Space, Escape, F10, CtrlZ, CtrlN, F1, F2 };
inline constexpr int keyCount = 12;

// The menu command a shortcut runs.
std::optional<Command> ShortcutCommand(Key key);

} // namespace pirandella
