#include "ui/handlers.h"

namespace pirandella {

// The first puzzle is set up before the window is shown.
void Form_Initialize(Game& g) {
    NewPuzzle(g);
}

void Form_Terminate(Game&) {} // nothing is saved

void mnuNS_Click(Game& g) {
    GameState& s = g.state;
    if (s.busy == 1) return;
    s.busy = 1;
    s.initialized = 1; // no second seeding or scaling
    RestoreHomePositions(g);
    NewPuzzle(g);
    s.busy = 0;
}

// The caption names what the command will do next.
void mnuIstruzioni_Click(Game& g) {
    if (g.state.busy == 1) return;
    ImageElement& page = g.window.image2[WindowModel::instructions];
    std::string& caption = g.window.menu[mnuIstruzioni].caption;
    if (!page.visible) {
        page.visible = true;
        caption = "Esci da Istruzioni";
    } else {
        page.visible = false;
        caption = "Istruzioni";
    }
}

} // namespace pirandella
