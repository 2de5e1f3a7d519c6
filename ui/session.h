// One session of play: the game and the window that shows it. The event handlers below act on
// it; they keep no state of their own.
#pragma once

#include "engine/game.h"
#include "view/window_model.h"

namespace pirandella {

struct Session {
    Game game;
    View view;
};

inline WindowModel WindowOf(const Session& s) {
    return WindowOf(s.game, s.view);
}

// The first puzzle, set up before the window is shown.
void StartGame(Session& s);
// A click on an arrow cell turns its line; a click on the instructions page closes it.
void ClickArrowCell(Session& s, int arrow);
void ClickPage(Session& s);
// The menu bar's commands.
void RunCommand(Session& s, Command c);
void StartSolution(Session& s); // "Soluzione": every recorded move played back
void StartNewPuzzle(Session& s);
void ToggleInstructions(Session& s);
void StartUndo(Session& s); // "Annulla mossa": the player's last move played back
// One tick of the playback timer: one recorded move backwards.
void PlaybackTick(Session& s);

} // namespace pirandella
