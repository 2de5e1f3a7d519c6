// The game's hot paths without a window: one move with the window it derives and its solved
// check, a whole puzzle set-up, and one step of a solution playback.
#include "ui/session.h"

#include <benchmark/benchmark.h>

using namespace pirandella;

namespace {

Session SetUpGame(float sizeDraw) {
    Session s;
    s.game.timeOfDay = [] { return 1.0f; };
    s.game.rng.script({sizeDraw});
    StartGame(s);
    return s;
}

void BM_ApplyMove(benchmark::State& state) {
    Session s = SetUpGame(0.9f); // 7 x 7, the largest board
    Game& g = s.game;
    g.moveHistory.reserve(1 << 20);
    int k = 0;
    for (auto _ : state) {
        // every direction, on every line
        ApplyMove(g, {static_cast<Direction>(1 + (k & 3)), 1 + k % 7});
        if (++k == 1 << 20) { // keep the history from growing without end
            state.PauseTiming();
            g.moveCount = g.scrambleMoves;
            k = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(WindowOf(s).tiles[0].picture);
    }
}
BENCHMARK(BM_ApplyMove);

void BM_NewPuzzle(benchmark::State& state) {
    Session s = SetUpGame(0.9f);
    for (auto _ : state) {
        StartNewPuzzle(s);
        benchmark::DoNotOptimize(s.game.solutionText.data());
    }
}
BENCHMARK(BM_NewPuzzle);

void BM_SolutionPlaybackStep(benchmark::State& state) {
    Session s = SetUpGame(0.9f);
    for (auto _ : state) {
        if (!s.game.replaying) { // a fresh playback of a thousand moves
            state.PauseTiming();
            StartNewPuzzle(s);
            for (int i = 0; i < 1000; ++i) ClickArrowCell(s, i % 28);
            StartSolution(s);
            state.ResumeTiming();
        }
        PlaybackTick(s);
    }
}
BENCHMARK(BM_SolutionPlaybackStep);

} // namespace

BENCHMARK_MAIN();
