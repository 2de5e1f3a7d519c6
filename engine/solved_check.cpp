#include "engine/game.h"

namespace pirandella {

// Letter by letter against the solution: equal letters are interchangeable.
void CheckSolved(Game& g) {
    const GameState& s = g.state;
    for (std::size_t i = 0; i < s.solutionText.size(); ++i)
        if (s.solutionText[i] - 64 != s.board[i][1]) return;
    HideFramesAndArrows(g.window);
    g.window.label1[0].caption =
        "SCHEMA RISOLTO con n°" + std::to_string(s.moveCount - s.scrambleMoves) + " mosse";
}

} // namespace pirandella
