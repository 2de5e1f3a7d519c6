#include "ui/keyboard.h"

namespace pirandella {

std::optional<Command> ShortcutCommand(Key key) {
    switch (key) {
    case Key::CtrlZ:
        return Command::UndoMove;
    case Key::CtrlN:
    case Key::F2:
        return Command::NewPuzzle;
    case Key::F1:
        return Command::Instructions;
    default:
        return std::nullopt;
    }
}

} // namespace pirandella
