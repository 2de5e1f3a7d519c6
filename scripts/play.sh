#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
source "$(dirname "$0")/common.sh"
ensure_packages
build build -DPIRANDELLA_TESTS=OFF -DPIRANDELLA_TOOLS=OFF
exec ./build/pirandella
