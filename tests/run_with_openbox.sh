#!/usr/bin/env bash
# Runs a command on the current X display with the openbox window manager managing it, started
# here and stopped after. Usage: run_with_openbox.sh <openbox> <command> [args...]
set -euo pipefail
openbox=$1
shift
config=$(mktemp -d)
XDG_CONFIG_HOME=$config "$openbox" --sm-disable >"$config/openbox.log" 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null; wait $manager 2>/dev/null; rm -rf "$config"' EXIT
sleep 0.5 # it takes the screen over before the game's window comes
"$@"
