// Every event a player can cause, each chosen by one byte: a click, a press and a release, a key,
// a menu command, a tick of the running clock, through the midend on a platform that only keeps
// what the clock was told. Shared by the fuzz target and the core tests.
#pragma once

#include "ui/midend.h"

#include <cstdint>

namespace pirandella::testing {

class StubPlatform : public Platform {
  public:
    void showCaption(Command, const std::string&) override {}
    void runClock(int intervalMs) override { clock = intervalMs; }
    void repaint() override {}
    void tellScreenReader(const std::string&) override {}
    void openMenuBar() override {}
    int clock = 0; // milliseconds between ticks; 0 while it stands

};

// One of the window's elements, or none (a click beside them all).
inline ElementRef Element(unsigned b) {
    const std::vector<ElementRef>& all = StackingOrder();
    const std::size_t k = b % (all.size() + 1);
    return k < all.size() ? all[k] : ElementRef{};
}

inline void Play(Midend& front, const StubPlatform& platform, std::uint8_t b) {
    switch (b % 6) {
    case 0:
        front.click(Element(b / 6));
        break;
    case 1: // a press and a release on the same element, or on the next
        front.press(Element(b / 6));
        front.release(Element(b / 6 + b % 2));
        break;
    case 2:
        front.key(static_cast<Key>(b / 6 % keyCount));
        break;
    case 3:
        front.command(static_cast<Command>(b / 6 % commandCount));
        break;
    default: // a tick only comes while the clock runs
        if (platform.clock) front.tick();
    }
}

} // namespace pirandella::testing
