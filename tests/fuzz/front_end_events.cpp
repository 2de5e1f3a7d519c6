// Fuzz target: each byte one event a player can cause (a click, a press and release, a key, a
// menu command, a tick of the running timer) through the shared front end on a stub platform;
// after each, the game's invariants must hold.
#include "event_player.h"
#include "game_invariants.h"

#include <cstdio>
#include <cstdlib>

using namespace pirandella;
using namespace pirandella::testing;

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
        if (const std::string broken = BrokenInvariant(session); !broken.empty()) {
            std::fprintf(stderr, "event %zu (byte %u): %s\n", i, data[i], broken.c_str());
            std::abort();
        }
    }
    return 0;
}
