// Fuzz target: any text as a kept game. What the midend refuses leaves it as it was; what it
// takes must be a game whose invariants hold, that a few events and the solution's whole playback
// leave sound, ending on the solution.
#include "event_player.h"
#include "game_fixtures.h"
#include "game_invariants.h"
#include "ui/kept_game.h"

#include <cstdio>
#include <cstdlib>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Game game;
    game.timeOfDay = [] { return 1234.5f; };
    Midend midend(std::move(game));
    midend.setScreen({15, 15, 1920 * 15, 1080 * 15});
    midend.start();
    const std::string before = midend.save();
    const std::string refused = midend.restore({reinterpret_cast<const char*>(data), size});
    if (!refused.empty()) {
        if (midend.save() != before) Fail("a refused game changed the midend", refused);
        return 0;
    }
    if (const std::string broken = BrokenInvariant(midend); !broken.empty())
        Fail("a kept game taken with a broken invariant", broken);
    StubPlatform platform;
    midend.setPlatform(platform);
    for (std::uint8_t b : {std::uint8_t(6 * 3), std::uint8_t(6 * 10), std::uint8_t(3)})
        Play(midend, platform, b); // two clicks on arrow cells, then "Soluzione"
    for (int tick = 0; tick < keptMovesLimit + 8 && platform.clock; ++tick) midend.tick();
    if (const std::string broken = BrokenInvariant(midend, &platform); !broken.empty())
        Fail("events on a kept game broke an invariant", broken);
    if (!midend.playback().replaying && midend.playback().solutionShown &&
        Letters(midend) != midend.game().solutionText)
        Fail("the solution's playback ended off the solution", Letters(midend));
    return 0;
}
