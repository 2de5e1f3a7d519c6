#!/usr/bin/env bash
# Cross-builds the Windows game on Debian with MinGW-w64 into build-windows/:
#   pirandella.exe                     one statically linked file, only Windows' own DLLs
#   pirandella-<version>-setup.exe     the installer (NSIS, 64-bit, Italian, silent with /S)
#   pirandella-<version>-windows.zip   the game to run without installing
# Options:
#   --test    also build the Windows tests and run them under Wine (core tests, the game driven
#             on an X server, the installer installed and removed silently)
#   --shoot   screenshots of the game under Wine at 96 and 144 dpi, and a puzzle solved by mouse
#             clicks, in build-windows/screenshots/
# On a fresh Debian 12 the first run takes a few minutes, most of it installing Wine.
source "$(dirname "$0")/common.sh"

mode=${1:-}
case "$mode" in
"" | --test | --shoot) ;;
*)
    echo "usage: $0 [--test | --shoot]" >&2
    exit 2
    ;;
esac
windows_packages=(cmake make g++-mingw-w64-x86-64-posix wine wine64 nsis)
case "$mode" in
--test) windows_packages+=(googletest xvfb xauth) ;;
--shoot) windows_packages+=(googletest xvfb xauth imagemagick xdotool) ;;
esac
ensure_packages "${windows_packages[@]}"

dir=build-windows
options=()
[ -n "$mode" ] && options+=(-DPIRANDELLA_TESTS=ON) # a build with the tests keeps them
step "Configuring the Windows build in $dir/ (MinGW-w64, cmake/mingw-w64-x86_64.cmake)"
cmake -S . -B "$dir" --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
    "${options[@]}"
step "Building pirandella.exe, the installer and the zip"
targets=(pirandella installer windows_zip)
[ -n "$mode" ] && targets+=(all)
cmake --build "$dir" --parallel "$(nproc)" --target "${targets[@]}"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
step "Built"
ls -l "$dir/pirandella.exe" "$dir/pirandella-$version-setup.exe" "$dir/pirandella-$version-windows.zip"
echo "pirandella.exe imports:"
x86_64-w64-mingw32-objdump -p "$dir/pirandella.exe" | sed -n 's/^\tDLL Name: /  /p'

if [ "$mode" = --test ]; then
    step "Running the Windows tests under Wine"
    status=0
    ctest --test-dir "$dir" --output-on-failure --parallel "$(nproc)" || status=$?
    WINEPREFIX=$PWD/$dir/wine wineserver -k 2>/dev/null || true # the tests' server, kept for them
    [ "$status" -eq 0 ]
fi

if [ "$mode" = --shoot ]; then
    shots=$dir/screenshots
    mkdir -p "$shots"
    for dpi in 96 144; do
        step "Screenshots under Wine at $dpi dpi"
        PIRANDELLA_WINEPREFIX=$PWD/$dir/wine-$dpi/prefix PIRANDELLA_WINE_DPI=$dpi \
            xvfb-run -a -s "-screen 0 1600x1200x24" bash -c '
            shots=$1 dpi=$2 dir=$3
            ./$dir/run_under_wine.sh ./$dir/pirandella.exe & game=$!
            id=$(xdotool search --sync --name "^pirandella\$" | head -1)
            sleep 2
            import -window "$id" "$shots/start-$dpi.png"
            ./$dir/run_under_wine.sh ./$dir/win32/tests/solve_by_clicks.exe || true
            sleep 1
            import -window "$id" "$shots/solved-$dpi.png"
            ./$dir/run_under_wine.sh taskkill /im pirandella.exe >/dev/null # closes its window
            wait $game' _ "$shots" "$dpi" "$dir"
    done
    ls -l "$shots"
fi
