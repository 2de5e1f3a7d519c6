#include "game_fixtures.h"

namespace pirandella::testing {

float Pick(int k, int m) {
    return (static_cast<float>(k) - 0.5f) / static_cast<float>(m);
}

float SizeDraw(int n) {
    return Pick(n - 4, 3);
}

Session NewGame(int n, unsigned seed) {
    Session s;
    s.game.timeOfDay = [seed] { return static_cast<float>(seed); };
    s.game.rng.script({SizeDraw(n)});
    StartGame(s);
    return s;
}

Session SolvedGame(int n, const std::vector<int>& candidateIndices) {
    static const int counts[] = {31, 33, 36};
    Session s;
    Game& g = s.game;
    FillAnimalTables(g);
    g.rng.script({SizeDraw(n)});
    for (int k : candidateIndices) g.rng.script({Pick(k, counts[n - 5])});
    ChooseWords(g);
    return s;
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

} // namespace pirandella::testing
