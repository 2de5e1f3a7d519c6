// The playback of a game's history: "Annulla mossa" takes back the player's last move and
// "Soluzione" every recorded move, the scramble's too, one backward move a tick of the playback's
// clock, so that the player sees each step. While a playback runs, and while a new puzzle is made,
// the game is busy: every click and command is refused (the tick does not look).
#pragma once

#include "engine/game.h"

namespace pirandella {

inline constexpr int playbackIntervalMs = 120;

struct Playback {
    bool busy = false;
    bool replaying = false;     // the clock applies recorded moves backwards
    int replayIndex = 0;        // lowered at each tick, then the entry it points to is played
    int replayStop = 0;         // the index at which the playback ends
    bool replayAll = false;     // the solution (every move), not an undo (one)
    bool solutionShown = false; // "Soluzione" was chosen in this puzzle: no solved check then

    // Each is refused while busy; an undo also when no move of the player's is left.
    void startUndo(const Game& g);
    void startSolution(const Game& g);

    enum class Step { None, Played, UndoDone, SolutionDone };
    // One tick: one recorded move played backwards, or the end of the solution.
    Step tick(Game& g);
};

} // namespace pirandella
