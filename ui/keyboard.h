// Playing from the keyboard. The arrow keys move a marker round the ring of visible arrow cells;
// Enter or Space turns the marked line through the same handler as a click; while the
// instructions page is shown Enter, Space or Escape closes it; F10 hands the keys to the menu bar.
// The usual shortcuts run menu commands through their own handlers: Ctrl+Z "Annulla mossa",
// Ctrl+N and F2 "Nuovo schema", F1 "Istruzioni". Front ends only name the keys.
#pragma once

#include "ui/session.h"

#include <optional>

namespace pirandella {

// The keys that play. A keypad's Enter is Enter.
enum class Key { Left, Right, Up, Down, Enter, Space, Escape, F10, CtrlZ, CtrlN, F1, F2 };

enum class KeyResult {
    Unused,      // the key does nothing here; the front end may pass it on
    MarkerMoved, // the marker went to another arrow (or stayed at a dead end)
    Clicked,     // the marked arrow, or the page, was clicked
    OpenMenu,    // the front end opens its menu bar with its first command chosen
    Command      // a shortcut: the front end runs its menu command (see ShortcutCommand)
};

KeyResult KeyPress(Session& s, Key key);
// The menu command a shortcut runs.
std::optional<Command> ShortcutCommand(Key key);

} // namespace pirandella
