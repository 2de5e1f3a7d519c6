#include "ui/front_end.h"

#include "ui/handlers.h"
#include "view/spoken_names.h"

namespace pirandella {

// A move says what its line holds now.
void FrontEnd::click(ElementRef ref) {
    if (ref.kind != ElementRef::Image2) return; // tiles and the label have no click handler
    const int before = game_.state.moveCount;
    Image2_Click(game_, ref.index);
    reflect(moveReport(ref.index, before));
}

std::string FrontEnd::moveReport(int arrow, int movesBefore) const {
    const bool moved =
        game_.state.moveCount != movesBefore && arrow >= 0 && arrow < WindowModel::arrowCount;
    return moved && game_.window.image2[arrow].visible ? ArrowLineReport(game_, arrow)
                                                       : std::string();
}

// A new puzzle tells its task.
void FrontEnd::menu(MenuId id) {
    static void (*const handlers[4])(Game&) = {mnuSoluzione_Click, mnuNS_Click, mnuIstruzioni_Click,
                                               mnuAnnullaMossa_Click};
    const bool accepted = game_.state.busy == 0;
    handlers[id](game_);
    reflect(accepted && id == mnuNS ? game_.window.label1[0].caption : std::string());
}

// The end of a playback tells what it did: the line an undo turned back, or the solution.
void FrontEnd::tick() {
    const GameState& s = game_.state;
    const bool playing = s.replaying == 1, undo = s.replayAll == 0;
    Timer1_Timer(game_);
    if (!playing || s.replaying == 1) return reflect();
    reflect(undo ? UndoReport(game_, s.moveHistory[s.moveCount + 1]) : SolutionReport(game_));
}

bool FrontEnd::key(Key key) {
    if (const std::optional<MenuId> id = ShortcutCommand(key)) {
        menu(*id);
        return true;
    }
    const int before = game_.state.moveCount;
    const KeyResult result = KeyPress(game_, key);
    if (result == KeyResult::OpenMenu) platform_.openMenuBar();
    if (result == KeyResult::Unused) return false;
    reflect(result == KeyResult::Clicked ? moveReport(game_.marker, before) : std::string());
    return true;
}

void FrontEnd::release(ElementRef ref) {
    const ElementRef pressed = pressed_;
    pressed_ = {};
    if (pressed.kind != ElementRef::None && ref == pressed) click(ref);
}

// The message line sizes itself to its caption, its top-left corner staying where it is; it is
// measured once per caption, not per event.
void FrontEnd::fitLabel() {
    LabelElement& label = game_.window.label1[0];
    if (label.caption == fitted_) return;
    fitted_ = label.caption;
    const Platform::TextSize size =
        platform_.measureText(label.caption, label.fontName, label.fontSize);
    label.width = static_cast<float>(size.width * game_.screen.twipsPerPixelX);
    label.height = static_cast<float>(size.height * game_.screen.twipsPerPixelY);
}

void FrontEnd::reflect(const std::string& announcement) {
    const WindowModel& w = game_.window;
    for (int id = 0; id < 4; ++id)
        if (captions_[id] != w.menu[id].caption)
            platform_.showCaption(static_cast<MenuId>(id), captions_[id] = w.menu[id].caption);
    if (w.timer1.enabled != timerRunning_)
        platform_.runTimer(timerRunning_ = w.timer1.enabled, w.timer1.interval);
    fitLabel();
    platform_.repaint();
    platform_.tellScreenReader(announcement);
}

} // namespace pirandella
