#!/usr/bin/env bash
# Configures and builds the game in an empty folder with the play command's own build step, with
# every program that only the tests use out of CMake's sight: program searches look only in a
# mirror of PATH that leaves those programs out. Usage: check_game_build.sh <source> <build folder>
set -euo pipefail
src=$1 out=$2
hidden=" desktop-file-validate appstreamcli lintian dpkg-shlibdeps weston Xvfb xvfb-run "
mirror=$(mktemp -d)
trap 'rm -rf "$mirror"' EXIT
for dir in ${PATH//:/ }; do
    [ -d "$dir" ] || continue
    mkdir -p "$mirror$dir"
    for program in "$dir"/*; do
        name=${program##*/}
        [[ $hidden == *" $name "* ]] || ln -sf "$program" "$mirror$dir/$name"
    done
done
look=(-DCMAKE_FIND_ROOT_PATH="$mirror" -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=ONLY)
probe=$(mktemp --suffix=.cmake)
echo 'find_program(found lintian) 
if(found)
  message(FATAL_ERROR "lintian is still in sight: ${found}")
endif()' >"$probe"
cmake "${look[@]}" -P "$probe"
rm -f "$probe"
rm -rf "$out"
source "$src/scripts/common.sh"
build_game "$out" "${look[@]}"
test -x "$out/pirandella"
echo "the game builds without the test tools"
