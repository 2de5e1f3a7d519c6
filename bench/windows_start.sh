#!/usr/bin/env bash
# Start of the Windows game under Wine beside the Qt game's, on the same Xvfb: for Windows, from
# CreateProcess to the window shown and painted (the game first waits for input), measured by a
# small Windows program; for Qt, from start to mapped window (bench/map_watch). Median of RUNS
# (7) after a warm-up. Prints one table.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
./scripts/windows.sh >/dev/null
ensure_packages "${game_packages[@]}" xvfb xauth libbenchmark-dev libxcb1-dev pkg-config
step "Building the Qt game and bench/map_watch in build-bench/"
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DPIRANDELLA_BENCH=ON -DPIRANDELLA_TESTS=OFF \
    -DPIRANDELLA_TOOLS=OFF >/dev/null
cmake --build build-bench --parallel "$(nproc)" --target pirandella map_watch >/dev/null
step "Building bench/first_paint.cpp and bench/bare_win32_window.cpp for Windows"
build_windows_program() { # <name> [options]: bench/<name>.cpp into build-windows/<name>.exe
    x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Wpedantic -municode -static \
        "${@:2}" "bench/$1.cpp" -o "build-windows/$1.exe" -luser32 -lgdi32
}
build_windows_program first_paint
build_windows_program bare_win32_window -mwindows
runs=${RUNS:-7}

step "Measuring ($runs runs each, after a warm-up)"
PIRANDELLA_WINEPREFIX=$PWD/build-windows/wine-x11/prefix \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -s "$runs" <<'MEASURE'
set -euo pipefail
runs=$1
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
wine=build-windows/run_under_wine.sh
$wine # the prefix
# The Wine session stays up between runs, as Windows itself would be.
WINEPREFIX=$PIRANDELLA_WINEPREFIX wineserver -p
first_paint() { # first_paint <program.exe>: median start to painted window under Wine
    $wine build-windows/first_paint.exe "$1" >/dev/null # warm-up
    for i in $(seq "$runs"); do $wine build-windows/first_paint.exe "$1"; done | tr -d '\r' | median
}
game=$(first_paint build-windows/pirandella.exe)
bare=$(first_paint build-windows/bare_win32_window.exe)
WINEPREFIX=$PIRANDELLA_WINEPREFIX wineserver -k
build-bench/bench/map_watch ./build-bench/pirandella >/dev/null
qt=$(for i in $(seq "$runs"); do build-bench/bench/map_watch ./build-bench/pirandella | cut -d' ' -f1; done | median)
printf '| start to shown window (median of %d runs) | time | beside |\n|---|---|---|\n' "$runs"
printf '| pirandella.exe under Wine, to painted | %.1f ms | %.2f x a bare Win32 window (%.1f ms) |\n' "$game" "$(awk -v a="$game" -v b="$bare" 'BEGIN {print a / b}')" "$bare"
printf '| Qt build, to mapped | %.1f ms | |\n' "$qt"
MEASURE
