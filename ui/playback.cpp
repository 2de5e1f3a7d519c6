#include "ui/session.h"

namespace pirandella {

namespace {

void StartPlayback(Game& g, bool all) {
    g.busy = true;
    g.replayIndex = g.moveCount + 1;
    g.replaying = true;
    g.replayStop = -1;
    g.replayAll = all;
}

// A solution playback ends with the puzzle over: no frames, no arrows.
void EndSolution(Game& g) {
    g.replaying = false;
    g.busy = false;
    g.moveCount = 0;
    g.replayAll = false;
    g.ended = true;
}

} // namespace

// Only the player's moves are taken back one by one, never the scramble's.
void StartUndo(Session& s) {
    Game& g = s.game;
    if (g.busy || g.moveCount < g.scrambleMoves + 1) return;
    StartPlayback(g, false);
}

void StartSolution(Session& s) {
    Game& g = s.game;
    if (g.busy) return;
    g.solutionShown = true;
    StartPlayback(g, true);
}

// One recorded move backwards per tick, newest first.
void PlaybackTick(Session& s) {
    Game& g = s.game;
    if (!g.replaying) return; // a tick only ever comes from the running timer
    --g.replayIndex;
    if (g.replayIndex == g.replayStop) return EndSolution(g);
    ApplyMove(g, g.moveHistory[g.replayIndex].backward());
    if (g.replayAll) return;
    --g.moveCount; // after the move, so its solved check still sees the count before the undo
    g.replaying = false;
    g.busy = false;
}

} // namespace pirandella
