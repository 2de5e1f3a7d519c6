// The game's hot paths without a window: one move through the midend (the window derived again
// and the solved check), a whole puzzle set-up, and one step of a solution playback.
#include "ui/midend.h"

#include <benchmark/benchmark.h>

using namespace pirandella;

namespace {

Midend SetUpGame(float sizeDraw) {
    Game g;
    g.timeOfDay = [] { return 1.0f; };
    g.rng.script({sizeDraw});
    Midend m(std::move(g));
    m.start();
    return m;
}

void BM_ClickArrowCell(benchmark::State& state) {
    Midend m = SetUpGame(0.9f); // 7 x 7, the largest board
    int k = 0;
    for (auto _ : state) {
        m.click(ArrowRef(k++ % 28)); // every side, every line
        if (m.game().ended || k == 1 << 20) { // solved by chance, or a long history: anew
            state.PauseTiming();
            m.command(Command::NewPuzzle);
            k = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(m.window().tiles[0].picture);
    }
}
BENCHMARK(BM_ClickArrowCell);

void BM_NewPuzzle(benchmark::State& state) {
    Midend m = SetUpGame(0.9f);
    for (auto _ : state) {
        m.command(Command::NewPuzzle);
        benchmark::DoNotOptimize(m.game().solutionText.data());
    }
}
BENCHMARK(BM_NewPuzzle);

void BM_SolutionPlaybackStep(benchmark::State& state) {
    Midend m = SetUpGame(0.9f);
    for (auto _ : state) {
        if (!m.playback().replaying) { // a fresh playback of a thousand moves
            state.PauseTiming();
            m.command(Command::NewPuzzle);
            for (int i = 0; i < 1000; ++i) m.click(ArrowRef(i % 28));
            m.command(Command::ShowSolution);
            state.ResumeTiming();
        }
        m.tick();
    }
}
BENCHMARK(BM_SolutionPlaybackStep);

} // namespace

BENCHMARK_MAIN();
