// The game's hot paths without a window: one move with its redraw and solved check, a whole
// puzzle set-up, and one step of a solution playback.
#include "engine/game.h"
#include "ui/handlers.h"

#include <benchmark/benchmark.h>

using namespace pirandella;

namespace {

Game SetUpGame(float sizeDraw) {
    Game g;
    g.timeOfDay = [] { return 1.0f; };
    g.rng.script({sizeDraw});
    NewPuzzle(g);
    return g;
}

void BM_ApplyMove(benchmark::State& state) {
    Game g = SetUpGame(0.9f); // 7 x 7, the largest board
    g.state.moveHistory.reserve(1 << 20);
    int k = 0;
    for (auto _ : state) {
        SetMove(g.state, 1 + (k & 3), 1 + k % 7); // every direction, on every line
        ApplyMove(g);
        if (++k == 1 << 20) { // keep the history from growing without end
            state.PauseTiming();
            g.state.moveCount = g.state.scrambleMoves;
            k = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(g.window.image1[0].picture);
    }
}
BENCHMARK(BM_ApplyMove);

void BM_NewPuzzle(benchmark::State& state) {
    Game g = SetUpGame(0.9f);
    for (auto _ : state) {
        mnuNS_Click(g);
        benchmark::DoNotOptimize(g.state.solutionText.data());
    }
}
BENCHMARK(BM_NewPuzzle);

void BM_SolutionPlaybackStep(benchmark::State& state) {
    Game g = SetUpGame(0.9f);
    for (auto _ : state) {
        if (!g.window.timer1.enabled) { // a fresh playback of a thousand moves
            state.PauseTiming();
            mnuNS_Click(g);
            for (int i = 0; i < 1000; ++i) Image2_Click(g, i % 28);
            mnuSoluzione_Click(g);
            state.ResumeTiming();
        }
        Timer1_Timer(g);
    }
}
BENCHMARK(BM_SolutionPlaybackStep);

} // namespace

BENCHMARK_MAIN();
