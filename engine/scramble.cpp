#include "engine/game.h"

namespace pirandella {

// Random one-cell turns of whole rows and columns, recorded as the first moves of the history.
void Scramble(Game& g) {
    GameState& s = g.state;
    s.moveCount = 0;
    s.scrambleMoves = s.boardSize == 7 ? 40 : s.boardSize == 6 ? 30 : 20;
    s.scrambling = 1;
    for (int i = 0; i < s.scrambleMoves; ++i) {
        s.moveDir = g.rng.draw(4); // direction before line
        const int line = g.rng.draw(s.boardSize);
        s.moveColumn = s.moveDir <= 2 ? line : 0;
        s.moveRow = static_cast<std::int16_t>(s.moveDir <= 2 ? 0 : line);
        ApplyMove(g);
    }
    s.scrambling = 0;
}

} // namespace pirandella
