// The game as it is played: one game and everything that happens to it over time. A front end
// hands the midend its events (a click or a tap on an element, a key, a menu command, a tick of
// the playback's clock) and the surface it draws the board on; the midend plays each event by the
// rules, runs the history's playback, derives the window from the game once per change, and then
// tells the front end, through its Platform, what to show: the menu captions, whether the clock
// runs, a repaint, what the screen reader must hear.
#pragma once

#include "engine/game.h"
#include "ui/keyboard.h"
#include "ui/platform.h"
#include "ui/playback.h"
#include "view/access/accessible_view.h"
#include "view/painting/painting.h"
#include "view/window/display_scaling.h"
#include "view/window/surface_fit.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pirandella {

class Midend {
  public:
    // A game as it stands; a new one has no puzzle until start().
    explicit Midend(Game game = {});

    // What the window adds to the game before it is shown: the screen it opens on, the chrome the
    // platform puts round the board (device pixels, at `devicePixelRatio` to a layout pixel).
    void setScreen(const ScreenMetrics& screen);
    void setChrome(double width, double height, double devicePixelRatio = 1);
    // The first puzzle, set up before the window is shown.
    void start();
    // The platform that shows the game, shown everything at once; until then nothing is told.
    void setPlatform(Platform& platform);
    // Where the board is drawn; a front end tells it whenever it moves or changes size.
    void setSurface(const Surface& surface);

    // Events. A click is a press and a release on the same element; a tap, a screen reader's
    // press and the page's own elements come as a click.
    void click(ElementRef ref);
    void press(ElementRef ref);
    void release(ElementRef ref);
    bool key(Key key); // false when the key does nothing here
    void command(Command c);
    void tick();

    // What to show, as of the last change.
    const WindowModel& window() const { return window_; }
    const Placement& placement() const { return placement_; }
    // The window's size and place in the platform's pixels, `scale` of them to a layout pixel.
    WindowPlace windowPlace(double scale = 1) const;
    // The element, and the pointer it shows, under a device pixel of the window.
    ElementRef elementAt(double x, double y) const;
    Pointer pointerAt(double x, double y) const;
    // The board on a canvas; the keyboard's marker only while the board has the keys.
    void paint(Canvas& canvas, const Artwork& art, bool boardHasKeys = true) const;
    std::vector<AccessibleNode> accessibleNodes(bool boardHasKeys) const;

    const Game& game() const { return game_; }
    const Playback& playback() const { return playback_; }
    const View& view() const { return view_; }
    RandomSource& random() { return game_.rng; } // what the next puzzles draw from

    // The game kept as text (kept_game.h), and a kept game put back: "" when it was taken, else
    // why it was refused, and then nothing changed.
    std::string save() const;
    std::string restore(std::string_view kept);

  private:
    void clickArrow(int arrow);
    void closePage();
    void newPuzzle();
    // After an arrow cell's click or key: what its line holds now, if it turned and play goes on.
    std::string moveReport(int arrow, int movesBefore) const;
    // Derives the window again and tells the platform what changed.
    void changed(const std::string& announcement = {});

    Game game_;
    Playback playback_;
    View view_;
    WindowModel window_;
    Surface surface_;
    Placement placement_;
    ElementRef pressed_;
    Platform* platform_ = nullptr;
    std::array<std::string, commandCount> shownCaptions_; // as the platform last showed them
    bool clockShown_ = false;
};

} // namespace pirandella
