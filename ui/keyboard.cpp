#include "ui/keyboard.h"

#include "view/keyboard_ring.h"

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

KeyResult KeyPress(Session& s, Key key) {
    int& marker = s.view.marker;
    switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
        static constexpr RingKey ring[4] = {RingKey::Left, RingKey::Right, RingKey::Up,
                                            RingKey::Down};
        marker = MoveInRing(WindowOf(s), marker, ring[static_cast<int>(key)]);
        return KeyResult::MarkerMoved;
    }
    case Key::F10:
        return KeyResult::OpenMenu;
    default:
        break;
    }
    if (ShortcutCommand(key)) return KeyResult::Command;
    // While the page is shown it takes Enter, Space and Escape: it covers the arrows.
    if (s.view.instructionsShown) {
        ClickPage(s);
        return KeyResult::Clicked;
    }
    if (key == Key::Escape || marker < 0) return KeyResult::Unused;
    ClickArrowCell(s, marker);
    return KeyResult::Clicked;
}

} // namespace pirandella
