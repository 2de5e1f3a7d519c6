#include "game_fixtures.h"

namespace pirandella::testing {

float Pick(int k, int m) {
    return (static_cast<float>(k) - 0.5f) / static_cast<float>(m);
}

float SizeDraw(int n) {
    return Pick(n - 4, 3);
}

Game NewGame(int n, unsigned seed) {
    Game g;
    g.timeOfDay = [seed] { return static_cast<float>(seed); };
    g.rng.script({SizeDraw(n)});
    NewPuzzle(g);
    return g;
}

Game SolvedGame(int n, const std::vector<int>& candidateIndices) {
    static const int counts[] = {31, 33, 36};
    Game g;
    FillAnimalTables(g);
    SaveHomePositions(g);
    g.rng.script({SizeDraw(n)});
    for (int k : candidateIndices) g.rng.script({Pick(k, counts[n - 5])});
    ChooseWords(g);
    ArrangeBoard(g);
    DrawBoard(g);
    return g;
}

std::string Row(const Game& g, int r) {
    std::string s;
    const int n = g.state.boardSize;
    for (int j = 0; j < n; ++j) s += static_cast<char>(64 + g.state.board[(r - 1) * n + j][1]);
    return s;
}

std::string Column(const Game& g, int c) {
    std::string s;
    const int n = g.state.boardSize;
    for (int k = 0; k < n; ++k) s += static_cast<char>(64 + g.state.board[k * n + c - 1][1]);
    return s;
}

std::string Letters(const Game& g) {
    std::string s;
    for (int r = 1; r <= g.state.boardSize; ++r) s += Row(g, r);
    return s;
}

void Move(Game& g, int dir, int line) {
    SetMove(g.state, dir, line);
    ApplyMove(g);
}

} // namespace pirandella::testing
