#!/bin/sh
# check_failure_dialog.sh GAME MESSAGE: the game, on an X server (run under xvfb-run), finds a
# built-in file damaged or missing: it shows a dialog titled "pirandella" and no window of the
# game, says MESSAGE on stderr, and once the player closes the dialog it exits with status 1.
set -u
game=$1 message=$2
err=$(mktemp /tmp/pirandella-dialog.XXXXXX)
trap 'rm -f "$err"' EXIT
"$game" 2>"$err" &
pid=$!
fail() { echo "check_failure_dialog: $1" >&2; cat "$err" >&2; kill "$pid" 2>/dev/null; exit 1; }
windows=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^pirandella$')
[ -n "$windows" ] || fail "no window titled pirandella"
[ "$(echo "$windows" | wc -l)" -eq 1 ] || fail "more than one window: $windows"
xprop -id "$windows" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
    fail "the window is not a dialog: $(xprop -id "$windows" _NET_WM_WINDOW_TYPE)"
grep -qF "pirandella: $message" "$err" || fail "stderr does not say: $message"
xdotool windowfocus --sync "$windows" key Return
status=0
wait "$pid" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status once the dialog was closed, not 1"
echo "check_failure_dialog: the dialog said it and the game ended with status 1"
