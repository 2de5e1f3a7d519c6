#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
source "$(dirname "$0")/common.sh"
ensure_packages
build_game
exec ./build/pirandella
