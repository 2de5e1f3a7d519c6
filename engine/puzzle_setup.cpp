#include "engine/game.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace pirandella {

float Game::SecondsSinceMidnight() {
    using namespace std::chrono;
    const double now = duration<double>(system_clock::now().time_since_epoch()).count();
    const std::time_t whole = static_cast<std::time_t>(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &whole);
#else
    localtime_r(&whole, &local);
#endif
    return SecondsOfClock(now, local.tm_hour, local.tm_min, local.tm_sec);
}

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
