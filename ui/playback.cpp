#include "ui/playback.h"

namespace pirandella {

namespace {

void Start(Playback& p, const Game& g, bool all) {
    p.busy = true;
    p.replayIndex = g.moveCount + 1;
    p.replaying = true;
    p.replayStop = -1;
    p.replayAll = all;
}

} // namespace

// Only the player's moves are taken back one by one, never the scramble's.
void Playback::startUndo(const Game& g) {
    if (!busy && g.moveCount >= g.scrambleMoves + 1) Start(*this, g, false);
}

void Playback::startSolution(const Game& g) {
    if (busy) return;
    solutionShown = true;
    Start(*this, g, true);
}

// One recorded move backwards a tick, newest first. A solution playback ends past entry 0, with
// the puzzle over: no frames, no arrow cells.
Playback::Step Playback::tick(Game& g) {
    if (!replaying) return Step::None; // a tick only ever comes from the running clock
    if (--replayIndex == replayStop) {
        replaying = busy = replayAll = false;
        g.moveCount = 0;
        g.ended = true;
        return Step::SolutionDone;
    }
    ApplyMove(g, g.moveHistory[replayIndex].backward(),
              solutionShown ? MoveSource::SolutionPlayedBack : MoveSource::PlayedBack);
    if (replayAll) return Step::Played;
    --g.moveCount; // after the move, so its solved check still sees the count before the undo
    replaying = busy = false;
    return Step::UndoDone;
}

} // namespace pirandella
