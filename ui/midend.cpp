#include "ui/midend.h"

#include "ui/kept_game.h"
#include "ui/keyboard_ring.h"
#include "view/access/spoken_names.h"
#include "view/window/board_layout.h"

#include <cmath>

namespace pirandella {

Midend::Midend(Game game) : game_(std::move(game)), window_(WindowOf(game_, view_)) {}

void Midend::setScreen(const ScreenMetrics& screen) {
    view_.screen = screen;
    changed();
}

void Midend::setChrome(double width, double height, double devicePixelRatio) {
    view_.chromeWidth = static_cast<int>(std::lround(width / devicePixelRatio));
    view_.chromeHeight = static_cast<int>(std::lround(height / devicePixelRatio));
    changed();
}

void Midend::start() {
    NewPuzzle(game_);
    changed();
}

void Midend::setPlatform(Platform& platform) {
    platform_ = &platform;
    shownCaptions_ = {};
    clockShown_ = false;
    changed();
}

void Midend::setSurface(const Surface& surface) {
    surface_ = surface;
    placement_ = FitSurface(surface_, window_, view_.screen.twipsPerPixel());
}

// A click on a visible arrow cell turns its line; one on the instructions page closes it.
// Tiles and the message line take no click.
void Midend::click(ElementRef ref) {
    if (ref.kind == ElementRef::Page) {
        closePage();
        return changed();
    }
    if (ref.kind != ElementRef::Arrow) return;
    const int before = game_.moveCount;
    clickArrow(ref.index);
    changed(moveReport(ref.index, before));
}

void Midend::press(ElementRef ref) {
    pressed_ = ref;
}

// A release alone (the click that closed a menu) or a drag from one cell to another does nothing.
void Midend::release(ElementRef ref) {
    const ElementRef pressed = pressed_;
    pressed_ = {};
    if (pressed.kind != ElementRef::None && ref == pressed) click(ref);
}

bool Midend::key(Key key) {
    if (const std::optional<Command> c = ShortcutCommand(key)) {
        command(*c);
        return true;
    }
    switch (key) {
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
        view_.marker = MoveInRing(window_, view_.marker, key);
        changed();
        return true;
    case Key::F10:
        if (platform_) platform_->openMenuBar();
        changed();
        return true;
    default:
        break;
    }
    // While the page is shown it takes Enter, Space and Escape: it covers the arrow cells.
    if (view_.instructionsShown) {
        closePage();
        changed();
        return true;
    }
    if (key == Key::Escape || view_.marker < 0) return false;
    const int before = game_.moveCount;
    clickArrow(view_.marker);
    changed(moveReport(view_.marker, before));
    return true;
}

// A new puzzle tells its task; the others say what they did when their playback ends.
void Midend::command(Command c) {
    const bool accepted = !playback_.busy;
    switch (c) {
    case Command::ShowSolution:
        playback_.startSolution(game_);
        break;
    case Command::NewPuzzle:
        newPuzzle();
        break;
    case Command::Instructions: // the caption names what the command will do next
        if (!playback_.busy) view_.instructionsShown = !view_.instructionsShown;
        break;
    case Command::UndoMove:
        playback_.startUndo(game_);
        break;
    }
    changed(accepted && c == Command::NewPuzzle ? MessageText(game_) : std::string());
}

// The end of a playback tells what it did: the line an undo turned back, or the solution.
void Midend::tick() {
    switch (playback_.tick(game_)) {
    case Playback::Step::None:
        return;
    case Playback::Step::Played:
        return changed();
    case Playback::Step::UndoDone:
        return changed(UndoReport(game_, game_.moveHistory[game_.moveCount + 1]));
    case Playback::Step::SolutionDone:
        return changed(SolutionReport(game_));
    }
}

WindowPlace Midend::windowPlace(double scale) const {
    return WindowPlaceOf(window_, view_.screen, scale);
}

ElementRef Midend::elementAt(double x, double y) const {
    return ElementAtDevicePixel(window_, placement_, x, y);
}

Pointer Midend::pointerAt(double x, double y) const {
    const ElementRef ref = elementAt(x, y);
    return ref.kind == ElementRef::Arrow ? window_.arrows[ref.index].pointer : Pointer::Default;
}

void Midend::paint(Canvas& canvas, const Artwork& art, bool boardHasKeys) const {
    PaintWindow(canvas, window_, art, placement_, boardHasKeys ? view_.marker : -1);
}

std::vector<AccessibleNode> Midend::accessibleNodes(bool boardHasKeys) const {
    return AccessibleNodes(window_, game_, view_, boardHasKeys);
}

std::string Midend::save() const {
    return WriteKeptGame({game_, playback_, view_.instructionsShown});
}

std::string Midend::restore(std::string_view kept) {
    KeptGame read{game_, playback_, view_.instructionsShown};
    if (std::string why = ReadKeptGame(kept, read); !why.empty()) return why;
    game_ = std::move(read.game);
    playback_ = read.playback;
    view_.instructionsShown = read.instructionsShown;
    changed();
    return {};
}

// Refused while busy; a hidden cell (a smaller board's, or every cell once the puzzle is over)
// takes no click.
void Midend::clickArrow(int arrow) {
    if (playback_.busy || arrow < 0 || arrow >= WindowModel::arrowCount) return;
    if (!window_.arrows[arrow].visible) return;
    ApplyMove(game_, ArrowMove(game_.boardSize, arrow));
}

void Midend::closePage() {
    if (!playback_.busy) view_.instructionsShown = false;
}

// The instructions stay as they are; no second seeding.
void Midend::newPuzzle() {
    if (playback_.busy) return;
    playback_.busy = true;
    game_.initialized = true;
    playback_.solutionShown = false;
    NewPuzzle(game_);
    playback_.busy = false;
}

std::string Midend::moveReport(int arrow, int movesBefore) const {
    const bool moved = game_.moveCount != movesBefore;
    return moved && !game_.ended ? ArrowLineReport(game_, arrow) : std::string();
}

void Midend::changed(const std::string& announcement) {
    window_ = WindowOf(game_, view_, window_);
    placement_ = FitSurface(surface_, window_, view_.screen.twipsPerPixel());
    if (!platform_) return;
    for (int id = 0; id < commandCount; ++id)
        if (shownCaptions_[id] != window_.captions[id])
            platform_->showCaption(static_cast<Command>(id), shownCaptions_[id] = window_.captions[id]);
    if (playback_.replaying != clockShown_)
        platform_->runClock((clockShown_ = playback_.replaying) ? playbackIntervalMs : 0);
    platform_->repaint();
    platform_->tellScreenReader(announcement);
}

} // namespace pirandella
