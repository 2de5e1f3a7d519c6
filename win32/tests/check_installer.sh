#!/bin/sh
# The installer under Wine: a silent install puts the game, its uninstaller, the Start-menu entry
# and the entry among installed programs in place; a silent uninstall takes them all away.
# check_installer.sh <run_under_wine.sh> <wine prefix> <setup.exe>
set -eu
wine=$1 prefix=$2 setup=$3
dir="$prefix/drive_c/Program Files/pirandella"
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/pirandella.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\pirandella'
fail() { echo "FAILED: $*" >&2; exit 1; }

"$wine" # the prefix made, if it is not there yet
WINEPREFIX=$prefix wineserver -w
"$wine" "$setup" /S
WINEPREFIX=$prefix wineserver -w # the installer's work is done when Wine has nothing running
for f in pirandella.exe Disinstalla.exe LICENSE.txt; do
    [ -f "$dir/$f" ] || fail "$f is not installed in $dir"
done
cmp -s "$dir/pirandella.exe" "$(dirname "$setup")/pirandella.exe" || fail "the installed game differs"
[ -f "$menu" ] || fail "no Start-menu entry"
"$wine" reg query "$key" /v DisplayName 2>/dev/null | grep -q pirandella ||
    fail "pirandella is not listed among installed programs"
"$wine" reg query "$key" /v QuietUninstallString 2>/dev/null | grep -q 'Disinstalla.exe" /S' ||
    fail "no silent uninstall command"
echo "ok: installed silently"

# The uninstaller copies itself away and goes on from there, so wait for Wine to be idle.
"$wine" "$dir/Disinstalla.exe" /S
WINEPREFIX=$prefix wineserver -w
[ ! -e "$dir" ] || fail "$dir is still there after uninstalling: $(ls "$dir")"
[ ! -e "$menu" ] || fail "the Start-menu entry is still there"
! "$wine" reg query "$key" >/dev/null 2>&1 || fail "still listed among installed programs"
echo "ok: uninstalled silently"
