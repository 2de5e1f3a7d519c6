#include "game_fixtures.h"

#include "view/window/board_layout.h"

namespace pirandella::testing {

float Pick(int k, int m) {
    return (static_cast<float>(k) - 0.5f) / static_cast<float>(m);
}

float SizeDraw(int n) {
    return Pick(n - 4, 3);
}

Game NewBoard(int n, unsigned seed) {
    Game g;
    g.timeOfDay = [seed] { return static_cast<float>(seed); };
    g.rng.script({SizeDraw(n)});
    NewPuzzle(g);
    return g;
}

Game SolvedBoard(int n, const std::vector<int>& candidateIndices) {
    static const int counts[] = {31, 33, 36};
    Game g;
    FillAnimalTables(g);
    g.rng.script({SizeDraw(n)});
    for (int k : candidateIndices) g.rng.script({Pick(k, counts[n - 5])});
    ChooseWords(g);
    return g;
}

Midend NewGame(int n, unsigned seed) {
    return Midend(NewBoard(n, seed));
}

Midend SolvedGame(int n, const std::vector<int>& candidateIndices) {
    return Midend(SolvedBoard(n, candidateIndices));
}

WindowModel WindowOf(const Game& g) {
    return pirandella::WindowOf(g, View{});
}

std::string Row(const Game& g, int r) {
    std::string s;
    const int n = g.boardSize;
    for (int j = 0; j < n; ++j) s += g.board[(r - 1) * n + j].character();
    return s;
}

std::string Column(const Game& g, int c) {
    std::string s;
    const int n = g.boardSize;
    for (int k = 0; k < n; ++k) s += g.board[k * n + c - 1].character();
    return s;
}

std::string Letters(const Game& g) {
    std::string s;
    for (int r = 1; r <= g.boardSize; ++r) s += Row(g, r);
    return s;
}

void Turn(Game& g, Direction d, int line) {
    ApplyMove(g, {d, line});
}

void Turn(Midend& m, Direction d, int line) {
    m.click(ArrowRef(ArrowOfMove(m.game().boardSize, {d, line})));
}

int RunClock(Midend& m) {
    int ticks = 0;
    while (m.playback().replaying && ticks < 100000) {
        m.tick();
        ++ticks;
    }
    return ticks;
}

} // namespace pirandella::testing
