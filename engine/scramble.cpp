#include "engine/game.h"

namespace pirandella {

// Random one-cell turns of whole rows and columns, recorded as the first moves of the history.
void Scramble(Game& g) {
    g.moveCount = 0;
    g.scrambleMoves = g.boardSize == 7 ? 40 : g.boardSize == 6 ? 30 : 20;
    for (int i = 0; i < g.scrambleMoves; ++i) {
        const auto direction = static_cast<Direction>(g.rng.draw(4)); // direction before line
        ApplyMove(g, {direction, g.rng.draw(g.boardSize)}, MoveSource::Scramble);
    }
}

} // namespace pirandella
