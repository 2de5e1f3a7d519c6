// What a front end does for the midend: only what its platform alone can do.
#pragma once

#include "view/window/window_model.h"

#include <string>

namespace pirandella {

class Platform {
  public:
    virtual ~Platform() = default;
    virtual void showCaption(Command c, const std::string& caption) = 0;
    // The playback's clock: a tick every `intervalMs` milliseconds from now on, or none (0).
    virtual void runClock(int intervalMs) = 0;
    virtual void repaint() = 0;
    // What changed for a screen reader (the midend's accessible nodes), and what the event has to
    // say (empty when nothing).
    virtual void tellScreenReader(const std::string& announcement) = 0;
    virtual void openMenuBar() = 0; // the keys go to the menu bar, its first command chosen
};

} // namespace pirandella
