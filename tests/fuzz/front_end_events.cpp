// Fuzz target: each byte one event a player can cause (a click, a press and release, a key, a
// menu command, a tick of the running timer) through the shared front end on a stub platform;
// after each, the game's invariants must hold.
#include "game_invariants.h"
#include "ui/front_end.h"

#include <cstdio>
#include <cstdlib>

using namespace pirandella;

namespace {

class StubPlatform : public Platform {
  public:
    void showCaption(Command, const std::string&) override {}
    void runTimer(bool on, int) override { running = on; }
    void repaint() override {}
    void tellScreenReader(const std::string&) override {}
    void openMenuBar() override {}
    bool running = false;
};

// One of the window's elements, or none (a click beside them all).
ElementRef Element(unsigned b) {
    const std::vector<ElementRef>& all = StackingOrder();
    const std::size_t k = b % (all.size() + 1);
    return k < all.size() ? all[k] : ElementRef{};
}

void Play(FrontEnd& front, const StubPlatform& platform, std::uint8_t b) {
    switch (b % 6) {
    case 0:
        front.click(Element(b / 6));
        break;
    case 1: // a press and a release on the same element, or on the next
        front.press(Element(b / 6));
        front.release(Element(b / 6 + b % 2));
        break;
    case 2:
        front.key(static_cast<Key>(b / 6 % 12));
        break;
    case 3:
        front.command(static_cast<Command>(b / 6 % commandCount));
        break;
    default: // a tick only comes while the timer runs
        if (platform.running) front.tick();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 256) return 0;
    Session session;
    session.game.timeOfDay = [seed = data[0]] { return seed * 337.0f; };
    session.view.screen = {15, 15, 1920 * 15, 1080 * 15};
    StartGame(session);
    StubPlatform platform;
    FrontEnd front(session, platform);
    front.reflect();
    for (std::size_t i = 1; i < size; ++i) {
        Play(front, platform, data[i]);
        if (const std::string broken = testing::BrokenInvariant(session); !broken.empty()) {
            std::fprintf(stderr, "event %zu (byte %u): %s\n", i, data[i], broken.c_str());
            std::abort();
        }
    }
    return 0;
}
