// Fuzz target: any text as a kept game. What RestoreGame refuses leaves the session as it was;
// what it takes must be a game whose invariants hold, that a few events and the solution's whole
// playback leave sound, ending on the solution.
#include "ui/saved_game.h"
#include "event_player.h"
#include "game_fixtures.h"
#include "game_invariants.h"

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
    Session session;
    session.game.timeOfDay = [] { return 1234.5f; };
    session.view.screen = {15, 15, 1920 * 15, 1080 * 15};
    StartGame(session);
    const std::string before = SaveGame(session);
    const std::string refused = RestoreGame(session, {reinterpret_cast<const char*>(data), size});
    if (!refused.empty()) {
        if (SaveGame(session) != before) Fail("a refused game changed the session", refused);
        return 0;
    }
    if (const std::string broken = BrokenInvariant(session); !broken.empty())
        Fail("a kept game taken with a broken invariant", broken);
    StubPlatform platform;
    FrontEnd front(session, platform);
    front.reflect();
    for (std::uint8_t b : {std::uint8_t(6 * 3), std::uint8_t(6 * 10), std::uint8_t(3)})
        Play(front, platform, b); // two clicks on arrow cells, then "Soluzione"
    for (int tick = 0; tick < savedMovesLimit + 8 && session.game.replaying; ++tick) front.tick();
    if (const std::string broken = BrokenInvariant(session); !broken.empty())
        Fail("events on a kept game broke an invariant", broken);
    if (!session.game.replaying && session.game.solutionShown &&
        Letters(session.game) != session.game.solutionText)
        Fail("the solution's playback ended off the solution", Letters(session.game));
    return 0;
}
