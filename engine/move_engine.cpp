#include "engine/game.h"

#include <array>

namespace pirandella {

namespace {

bool IsColumnMove(int dir) {
    return dir == 1 || dir == 2;
}

// Rows and columns turn by one cell with wrap-around: 1 down, 2 up, 3 right, 4 left.
void RotateLine(GameState& s, int line) {
    const int n = s.boardSize;
    if (line < 1 || line > n) return; // never produced by the game; keeps a bad line off the table
    std::array<int*, 7> cell{};
    for (int k = 0; k < n; ++k) {
        const int pos = IsColumnMove(s.moveDir) ? k * n + line - 1 : (line - 1) * n + k;
        cell[k] = &s.board[pos][1];
    }
    if (s.moveDir == 1 || s.moveDir == 3) { // towards the last cell
        const int kept = *cell[n - 1];
        for (int k = n - 1; k >= 1; --k) *cell[k] = *cell[k - 1];
        *cell[0] = kept;
    } else if (s.moveDir == 2 || s.moveDir == 4) { // towards the first cell
        const int kept = *cell[0];
        for (int k = 0; k <= n - 2; ++k) *cell[k] = *cell[k + 1];
        *cell[n - 1] = kept;
    }
}

// The history grows with the game, so however many moves are made each keeps its entry.
void Record(GameState& s, int code) {
    if (s.moveCount >= static_cast<int>(s.moveHistory.size()))
        s.moveHistory.resize(s.moveCount + 1);
    s.moveHistory[s.moveCount] = code;
}

} // namespace

void SetMove(GameState& s, int dir, int line) {
    const bool column = IsColumnMove(dir);
    s.moveDir = dir;
    s.moveColumn = column ? line : 0;
    s.moveRow = static_cast<std::int16_t>(column ? 0 : line);
}

void ApplyMove(Game& g) {
    GameState& s = g.state;
    if (s.replaying == 0) ++s.moveCount; // a playback adjusts the count itself
    int line;
    if (IsColumnMove(s.moveDir)) {
        line = s.moveColumn;
        s.moveRow = 0;
    } else {
        line = s.moveRow;
        s.moveColumn = 0;
    }
    Record(s, 10 * s.moveDir + line);
    RotateLine(s, line);
    DrawBoard(g);
    // Neither the scramble nor the solution playback may announce a solved board.
    if (s.solutionShown == 0 && s.scrambling == 0) CheckSolved(g);
}

} // namespace pirandella
