#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test without a display: once in a
# plain build, once under AddressSanitizer and UndefinedBehaviorSanitizer (any report fails).
# On a fresh Debian 12 this takes a few minutes on two cores, most of it the two builds.
source "$(dirname "$0")/common.sh"
ensure_packages "${game_packages[@]}" "${test_packages[@]}"
export QT_QPA_PLATFORM=offscreen

build_all build -DCMAKE_BUILD_TYPE=Release -DPIRANDELLA_TESTS=ON -DPIRANDELLA_TOOLS=ON \
    -DPIRANDELLA_REQUIRE_TOOLS=ON
step "Running the tests in build/"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
build_all build-asan -DCMAKE_BUILD_TYPE=Debug -DPIRANDELLA_TESTS=ON -DPIRANDELLA_TOOLS=OFF \
    -DPIRANDELLA_SYSTEM_TESTS=OFF -DCMAKE_CXX_FLAGS="-O1 $sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
step "Running the tests in build-asan/ under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"
./scripts/fuzz.sh 20 # the outline reader and the front end's events under libFuzzer
./scripts/web_test.sh # the browser version: the core under Node, the page in Chromium
./scripts/windows.sh --test # the Windows game, cross-built with MinGW-w64, under Wine
step "Every test passed, in $((SECONDS / 60)) min $((SECONDS % 60)) s"
