// Fuzz target: each byte one event a player can cause (a click, a press and release, a key, a
// menu command, a tick of the running clock) through the midend on a stub platform; after each,
// the game's invariants must hold.
#include "event_player.h"
#include "game_invariants.h"

#include <cstdio>
#include <cstdlib>

using namespace pirandella;
using namespace pirandella::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 256) return 0;
    Game game;
    game.timeOfDay = [seed = data[0]] { return seed * 337.0f; };
    Midend midend(std::move(game));
    midend.setScreen({15, 15, 1920 * 15, 1080 * 15});
    midend.start();
    StubPlatform platform;
    midend.setPlatform(platform);
    for (std::size_t i = 1; i < size; ++i) {
        Play(midend, platform, data[i]);
        if (const std::string broken = BrokenInvariant(midend, &platform); !broken.empty()) {
            std::fprintf(stderr, "event %zu (byte %u): %s\n", i, data[i], broken.c_str());
            std::abort();
        }
    }
    return 0;
}
