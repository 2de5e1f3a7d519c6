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
    GameState& s = g.state;
    WindowModel& w = g.window;
    FillAnimalTables(g);
    s.solutionShown = 0;
    if (s.initialized == 0) { // once per run: seed, then scale before home positions are saved
        s.initialized = 1;
        // The clock's bits as they are (std::bit_cast is missing from some standard libraries).
        const float time = g.timeOfDay();
        std::uint32_t bits;
        std::memcpy(&bits, &time, sizeof bits);
        g.rng.seed(bits);
        ScaleToScreen(g);
    }
    SaveHomePositions(g);
    for (ImageElement& tile : w.image1) tile.borderStyle = 1;
    for (int i = 0; i < WindowModel::arrowCount; ++i) {
        w.image2[i].borderStyle = 1;
        w.image2[i].visible = true;
    }
    ChooseWords(g);
    ArrangeBoard(g);
    DrawBoard(g);
    Scramble(g);
    s.busy = 0;
}

} // namespace pirandella
