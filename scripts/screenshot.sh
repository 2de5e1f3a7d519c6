#!/usr/bin/env bash
# Makes docs/screenshot.png (and docs/screenshot@2x.png at display scale 2) under Xvfb.
source "$(dirname "$0")/common.sh"
ensure_packages "${game_packages[@]}" xvfb xauth imagemagick
build_game build
shoot() { # shoot <scale> <file>
    QT_SCALE_FACTOR=$1 xvfb-run -a -s "-screen 0 1200x1100x24" bash -c '
        ./build/pirandella & game=$!
        sleep 2
        import -window pirandella "$0"
        kill $game' "$2"
}
mkdir -p docs
shoot 1 docs/screenshot.png
shoot 2 docs/screenshot@2x.png
echo "wrote docs/screenshot.png and docs/screenshot@2x.png"
