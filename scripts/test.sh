#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test without a display.
source "$(dirname "$0")/common.sh"
ensure_packages "${test_packages[@]}"
build build -DPIRANDELLA_TESTS=ON -DPIRANDELLA_TOOLS=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
