#include "ui/session.h"

namespace pirandella {

void StartGame(Session& s) {
    NewPuzzle(s.game);
}

void RunCommand(Session& s, Command c) {
    switch (c) {
    case Command::ShowSolution:
        return StartSolution(s);
    case Command::NewPuzzle:
        return StartNewPuzzle(s);
    case Command::Instructions:
        return ToggleInstructions(s);
    case Command::UndoMove:
        return StartUndo(s);
    }
}

void StartNewPuzzle(Session& s) {
    Game& g = s.game;
    if (g.busy) return;
    g.busy = true;
    g.initialized = true; // no second seeding
    NewPuzzle(g);
    g.busy = false;
}

// The caption names what the command will do next.
void ToggleInstructions(Session& s) {
    if (!s.game.busy) s.view.instructionsShown = !s.view.instructionsShown;
}

} // namespace pirandella
