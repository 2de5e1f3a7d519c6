#!/usr/bin/env bash
# Runs a command as a client of its own headless weston compositor, started here and stopped
# after. Usage: run_on_wayland.sh <weston> <command> [args...]
set -euo pipefail
weston=$1
shift
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
"$weston" --backend=headless-backend.so --socket=pirandella-test --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
compositor=$!
trap 'kill $compositor 2>/dev/null; wait $compositor 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -S "$runtime/pirandella-test" ] && break
    sleep 0.05
done
if [ ! -S "$runtime/pirandella-test" ]; then
    cat "$runtime/weston.log" >&2
    echo "weston did not start" >&2
    exit 1
fi
WAYLAND_DISPLAY=pirandella-test QT_QPA_PLATFORM=wayland "$@"
