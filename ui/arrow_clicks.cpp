#include "ui/session.h"

namespace pirandella {

void ClickArrowCell(Session& s, int arrow) {
    Game& g = s.game;
    if (g.busy || arrow < 0 || arrow >= WindowModel::arrowCount) return;
    if (g.ended || !ArrowInUse(g.boardSize, arrow)) return; // hidden
    ApplyMove(g, ArrowMove(g.boardSize, arrow));
}

void ClickPage(Session& s) {
    if (!s.game.busy) s.view.instructionsShown = false;
}

} // namespace pirandella
