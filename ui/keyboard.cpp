#include "ui/keyboard.h"

#include "ui/handlers.h"
#include "view/keyboard_ring.h"

namespace pirandella {

std::optional<MenuId> ShortcutCommand(Key key) {
    switch (key) {
    case Key::CtrlZ:
        return mnuAnnullaMossa;
    case Key::CtrlN:
    case Key::F2:
        return mnuNS;
    case Key::F1:
        return mnuIstruzioni;
    default:
        return std::nullopt;
    }
}

KeyResult KeyPress(Game& g, Key key) {
    switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down: {
        static constexpr RingKey ring[4] = {RingKey::Left, RingKey::Right, RingKey::Up,
                                            RingKey::Down};
        g.marker = MoveInRing(g.window, g.marker, ring[static_cast<int>(key)]);
        return KeyResult::MarkerMoved;
    }
    case Key::F10:
        return KeyResult::OpenMenu;
    default:
        break;
    }
    if (ShortcutCommand(key)) return KeyResult::Command;
    // While the page is shown it takes Enter, Space and Escape: it covers the arrows.
    if (g.window.image2[WindowModel::instructions].visible) {
        Image2_Click(g, WindowModel::instructions);
        return KeyResult::Clicked;
    }
    if (key == Key::Escape || g.marker < 0) return KeyResult::Unused;
    Image2_Click(g, g.marker);
    return KeyResult::Clicked;
}

} // namespace pirandella
