#include "ui/handlers.h"

namespace pirandella {

void Image2_Click(Game& g, int Index) {
    GameState& s = g.state;
    WindowModel& w = g.window;
    if (s.busy == 1) return;
    if (Index < 0 || Index > WindowModel::instructions) return;
    if (!w.image2[Index].visible) return;
    if (Index == WindowModel::instructions) { // a click on the page closes it
        w.menu[mnuIstruzioni].caption = "Istruzioni";
        w.image2[Index].visible = false;
        return;
    }
    const int group = Index / 7; // 0 above, 1 right, 2 left, 3 below
    static constexpr int directionOf[4] = {1, 4, 3, 2};
    SetMove(s, directionOf[group], ArrowLine(w, Index)); // hidden arrows of a smaller board skipped
    ApplyMove(g);
}

} // namespace pirandella
