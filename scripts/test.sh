#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test without a display: once in a
# plain build, once under AddressSanitizer and UndefinedBehaviorSanitizer (any report fails).
source "$(dirname "$0")/common.sh"
ensure_packages "${test_packages[@]}"
export QT_QPA_PLATFORM=offscreen

build build -DPIRANDELLA_TESTS=ON -DPIRANDELLA_TOOLS=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
build build-asan -DCMAKE_BUILD_TYPE=Debug -DPIRANDELLA_TESTS=ON -DPIRANDELLA_TOOLS=OFF \
    -DCMAKE_CXX_FLAGS="-O1 $sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
