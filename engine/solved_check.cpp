#include "engine/game.h"

namespace pirandella {

bool InPlace(const Game& g, int position) {
    return g.board[position] == Letter::Of(g.solutionText[position]);
}

// Letter by letter against the solution: equal letters are interchangeable.
void CheckSolved(Game& g) {
    for (int i = 0; i < static_cast<int>(g.solutionText.size()); ++i)
        if (!InPlace(g, i)) return;
    g.ended = true;
    g.solvedWithMoves = g.moveCount - g.scrambleMoves;
}

} // namespace pirandella
