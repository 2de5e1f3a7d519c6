#include "engine/game.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace pirandella {

float Game::SecondsOfClock(double epochSeconds, int hour, int minute, int second) {
    const double fraction = epochSeconds - std::floor(epochSeconds);
    return static_cast<float>(3600.0 * hour + 60.0 * minute + second + fraction);
}

void NewPuzzle(Game& g) {
    FillAnimalTables(g);
    if (!g.initialized) { // once per run
        g.initialized = true;
        // The clock's bits as they are (std::bit_cast is missing from some standard libraries).
        const float time = g.timeOfDay();
        std::uint32_t bits;
        std::memcpy(&bits, &time, sizeof bits);
        g.rng.seed(bits);
    }
    g.board.fill({});
    g.ended = false; // every tile and arrow framed, the arrows shown
    g.solvedWithMoves.reset();
    ChooseWords(g);
    Scramble(g);
}

} // namespace pirandella
