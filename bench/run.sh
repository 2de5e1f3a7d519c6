#!/usr/bin/env bash
# Builds the benchmarks and measures the game beside a bare Qt window under Xvfb: start to
# mapped window and peak memory (median of 7 runs after a warm-up), click to repainted window,
# and the engine's hot paths. Prints one table.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ensure_packages "${game_packages[@]}" xvfb xauth libbenchmark-dev libxcb1-dev pkg-config
build_all build-bench -DCMAKE_BUILD_TYPE=Release -DPIRANDELLA_BENCH=ON -DPIRANDELLA_TESTS=OFF \
    -DPIRANDELLA_TOOLS=OFF >/dev/null
runs=${RUNS:-7}

xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$runs" <<'MEASURE'
set -euo pipefail
runs=$1
b=build-bench
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
$b/bench/map_watch ./$b/pirandella >/dev/null # warm-up: caches, fonts
$b/bench/map_watch ./$b/bench/bare_window >/dev/null
: >/tmp/pirandella-game.txt
: >/tmp/pirandella-bare.txt
for i in $(seq "$runs"); do
    $b/bench/map_watch ./$b/pirandella >>/tmp/pirandella-game.txt
    $b/bench/map_watch ./$b/bench/bare_window >>/tmp/pirandella-bare.txt
done
game_map=$(cut -d' ' -f1 /tmp/pirandella-game.txt | median)
bare_map=$(cut -d' ' -f1 /tmp/pirandella-bare.txt | median)
game_rss=$(cut -d' ' -f2 /tmp/pirandella-game.txt | median)
bare_rss=$(cut -d' ' -f2 /tmp/pirandella-bare.txt | median)
click=$(for i in $(seq "$runs"); do $b/bench/click_bench; done | median)
engine=$($b/bench/engine_bench --benchmark_format=csv 2>/dev/null | awk -F, '/^"BM_/ {gsub(/"/,"",$1); printf "%s=%.1f ", $1, $3}')
move=$(echo "$engine" | tr ' ' '\n' | awk -F= '/BM_ClickArrowCell/ {print $2}')
setup=$(echo "$engine" | tr ' ' '\n' | awk -F= '/BM_NewPuzzle/ {print $2}')
step=$(echo "$engine" | tr ' ' '\n' | awk -F= '/BM_SolutionPlaybackStep/ {print $2}')
awk -v gm="$game_map" -v bm="$bare_map" -v gr="$game_rss" -v br="$bare_rss" -v c="$click" \
    -v mv="$move" -v su="$setup" -v st="$step" -v n="$runs" 'BEGIN {
    printf "| measure (median of %d runs) | pirandella | bare Qt window | ratio | target |\n", n
    printf "|---|---|---|---|---|\n"
    printf "| start to mapped window | %.1f ms | %.1f ms | %.2f | <= 1.05 |\n", gm, bm, gm / bm
    printf "| peak RSS | %.1f MB | %.1f MB | %.2f | <= 36 MB |\n", gr / 1024, br / 1024, gr / br
    printf "| arrow click to repainted window | %.3f ms | | | < 2 ms |\n", c
    printf "| one click on an arrow cell: the move, the window derived again, the solved check | %.1f ns | | | < 1 us |\n", mv
    printf "| one solution playback step | %.1f ns | | | |\n", st
    printf "| whole puzzle set-up | %.1f us | | | |\n", su / 1000
}'
MEASURE
