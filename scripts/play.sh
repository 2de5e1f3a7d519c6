#!/usr/bin/env bash
# Installs what the game needs, builds it in build/ and starts it. On a fresh Debian 12 the
# first run takes about a minute; later runs rebuild only what changed.
source "$(dirname "$0")/common.sh"
ensure_packages "${game_packages[@]}"
build_game build
step "Starting ./build/pirandella"
rm -f "$PIRANDELLA_STEP_FILE" # exec leaves no shell to clean up after it
exec ./build/pirandella
