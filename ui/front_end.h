// What every front end does the same way: each event goes to its handler, and the window is then
// brought in line with the game: the menu captions, the timer, the message line's size, the
// picture and the screen reader. The platform supplies only what it alone can do.
#pragma once

#include "ui/keyboard.h"
#include "ui/session.h"

#include <array>

namespace pirandella {

class Platform {
  public:
    virtual ~Platform() = default;
    virtual void showCaption(Command c, const std::string& caption) = 0;
    virtual void runTimer(bool running, int intervalMs) = 0;
    virtual void repaint() = 0;
    // What changed, and what the event has to say (empty when nothing).
    virtual void tellScreenReader(const std::string& announcement) = 0;
    virtual void openMenuBar() = 0; // the keys go to the menu bar, its first command chosen
};

class FrontEnd {
  public:
    FrontEnd(Session& session, Platform& platform) : session_(session), platform_(platform) {}

    void click(ElementRef ref);
    void command(Command c);
    void tick();
    bool key(Key key); // false when the key does nothing here
    // A click is a press and a release of the mouse on the same element.
    void press(ElementRef ref) { pressed_ = ref; }
    void release(ElementRef ref);
    // Brings the window in line with the game; runs after each event.
    void reflect(const std::string& announcement = {});

  private:
    // After a click or a key on an arrow: the report of the line it turned, if it turned one and
    // the puzzle goes on.
    std::string moveReport(int arrow, int movesBefore) const;

    Session& session_;
    Platform& platform_;
    std::array<std::string, commandCount> captions_; // as last shown
    bool timerRunning_ = false;
    ElementRef pressed_;
};

} // namespace pirandella
