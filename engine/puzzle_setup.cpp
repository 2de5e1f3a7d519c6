#include "engine/game.h"

#include <bit>
#include <chrono>
#include <cstdint>

namespace pirandella {

float Game::SecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = now - floor<days>(now);
    return duration<float>(sinceMidnight).count();
}

void NewPuzzle(Game& g) {
    GameState& s = g.state;
    WindowModel& w = g.window;
    FillAnimalTables(g);
    s.solutionShown = 0;
    if (s.initialized == 0) { // once per run: seed, then scale before home positions are saved
        s.initialized = 1;
        g.rng.seed(std::bit_cast<std::uint32_t>(g.timeOfDay()));
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
