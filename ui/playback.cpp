#include "ui/handlers.h"

namespace pirandella {

namespace {

void StartPlayback(Game& g, int all) {
    GameState& s = g.state;
    s.busy = 1;
    s.replayIndex = s.moveCount + 1;
    s.replaying = 1;
    s.replayStop = -1;
    s.replayAll = all;
    g.window.timer1.enabled = true;
}

// A solution playback ends with the puzzle over: no frames, no arrows.
void EndSolution(Game& g) {
    GameState& s = g.state;
    s.replaying = 0;
    s.busy = 0;
    s.moveCount = 0;
    s.replayAll = 0;
    g.window.timer1.enabled = false;
    HideFramesAndArrows(g.window);
}

int Backward(int dir) {
    switch (dir) {
    case 1:
        return 2;
    case 2:
        return 1;
    case 3:
        return 4;
    case 4:
        return 3;
    default:
        return dir; // entry 0 holds no move: nothing turns
    }
}

} // namespace

// Only the player's moves are taken back one by one, never the scramble's.
void mnuAnnullaMossa_Click(Game& g) {
    if (g.state.busy == 1) return;
    if (g.state.moveCount < g.state.scrambleMoves + 1) return;
    StartPlayback(g, 0);
}

void mnuSoluzione_Click(Game& g) {
    if (g.state.busy == 1) return;
    g.state.solutionShown = 1;
    StartPlayback(g, 1);
}

// One recorded move backwards per tick, newest first.
void Timer1_Timer(Game& g) {
    GameState& s = g.state;
    if (!g.window.timer1.enabled) return; // a tick only ever comes from the running timer
    --s.replayIndex;
    if (s.replayIndex == s.replayStop) {
        EndSolution(g);
        return;
    }
    const int code = s.moveHistory[s.replayIndex];
    const int dir = code / 10;
    SetMove(s, Backward(dir), code - 10 * dir); // the same line, turned the other way
    ApplyMove(g);
    if (s.replayAll == 1) return;
    --s.moveCount; // after the move, so its solved check still sees the count before the undo
    s.replaying = 0;
    s.busy = 0;
    g.window.timer1.enabled = false;
}

} // namespace pirandella
