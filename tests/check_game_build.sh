#!/usr/bin/env bash
# Runs in a mount namespace of its own (unshare --mount): hides every program and library that
# only the tests use, then configures and builds the game in an empty folder with the play
# command's own build step. Usage: check_game_build.sh <source folder> <build folder>
set -euo pipefail
src=$1 out=$2
unusable=$(mktemp) # mode 0600: no program search takes a file nobody may run
empty=$(mktemp -d)
for tool in desktop-file-validate appstreamcli lintian dpkg-shlibdeps weston; do
    for dir in ${PATH//:/ }; do
        if [ -x "$dir/$tool" ]; then mount --bind "$unusable" "$dir/$tool"; fi
    done
    if type -a "$tool" >/dev/null 2>&1; then
        echo "could not hide $tool" >&2
        exit 1
    fi
done
for lib in /usr/include/gtest /usr/include/gmock /usr/lib/*/cmake/GTest; do
    if [ -d "$lib" ]; then mount --bind "$empty" "$lib"; fi
done
rm -rf "$out"
source "$src/scripts/common.sh"
build_game "$out"
test -x "$out/pirandella"
echo "the game builds without the test tools"
