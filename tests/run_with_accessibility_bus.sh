#!/usr/bin/env bash
# Runs a command as a desktop session with a screen reader has it: a session bus of its own and
# the accessibility bus running on it, which Qt's bridge then joins. Run it under
# dbus-run-session. Usage: run_with_accessibility_bus.sh <command> [args...]
set -euo pipefail
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null
exec "$@"
