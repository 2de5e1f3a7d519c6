#include "ui/front_end.h"

#include "view/spoken_names.h"

namespace pirandella {

// A move says what its line holds now.
void FrontEnd::click(ElementRef ref) {
    if (ref.kind == ElementRef::Page) {
        ClickPage(session_);
        return reflect();
    }
    if (ref.kind != ElementRef::Arrow) return; // tiles and the message line have no click
    const int before = session_.game.moveCount;
    ClickArrowCell(session_, ref.index);
    reflect(moveReport(ref.index, before));
}

std::string FrontEnd::moveReport(int arrow, int movesBefore) const {
    const Game& g = session_.game;
    const bool moved = g.moveCount != movesBefore && arrow >= 0 && arrow < WindowModel::arrowCount;
    return moved && !g.ended ? ArrowLineReport(g, arrow) : std::string();
}

// A new puzzle tells its task.
void FrontEnd::command(Command c) {
    const bool accepted = !session_.game.busy;
    RunCommand(session_, c);
    reflect(accepted && c == Command::NewPuzzle ? MessageText(session_.game) : std::string());
}

// The end of a playback tells what it did: the line an undo turned back, or the solution.
void FrontEnd::tick() {
    const Game& g = session_.game;
    const bool playing = g.replaying, undo = !g.replayAll;
    PlaybackTick(session_);
    if (!playing || g.replaying) return reflect();
    reflect(undo ? UndoReport(g, g.moveHistory[g.moveCount + 1]) : SolutionReport(g));
}

bool FrontEnd::key(Key key) {
    if (const std::optional<Command> c = ShortcutCommand(key)) {
        command(*c);
        return true;
    }
    const int before = session_.game.moveCount;
    const KeyResult result = KeyPress(session_, key);
    if (result == KeyResult::OpenMenu) platform_.openMenuBar();
    if (result == KeyResult::Unused) return false;
    reflect(result == KeyResult::Clicked ? moveReport(session_.view.marker, before)
                                         : std::string());
    return true;
}

void FrontEnd::release(ElementRef ref) {
    const ElementRef pressed = pressed_;
    pressed_ = {};
    if (pressed.kind != ElementRef::None && ref == pressed) click(ref);
}

void FrontEnd::reflect(const std::string& announcement) {
    const WindowModel w = WindowOf(session_);
    for (int id = 0; id < commandCount; ++id)
        if (captions_[id] != w.captions[id])
            platform_.showCaption(static_cast<Command>(id), captions_[id] = w.captions[id]);
    if (w.playbackRunning != timerRunning_)
        platform_.runTimer(timerRunning_ = w.playbackRunning, w.playbackIntervalMs);
    platform_.repaint();
    platform_.tellScreenReader(announcement);
}

} // namespace pirandella
