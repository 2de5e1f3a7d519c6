#include "engine/game.h"

namespace pirandella {

// Random one-cell turns of whole rows and columns, recorded as the first moves of the history.
void Scramble(Game& g) {
    GameState& s = g.state;
    s.moveCount = 0;
    s.scrambleMoves = s.boardSize == 7 ? 40 : s.boardSize == 6 ? 30 : 20;
    s.scrambling = 1;
    for (int i = 0; i < s.scrambleMoves; ++i) {
        const int dir = g.rng.draw(4); // direction before line
        SetMove(s, dir, g.rng.draw(s.boardSize));
        ApplyMove(g);
    }
    s.scrambling = 0;
}

} // namespace pirandella
