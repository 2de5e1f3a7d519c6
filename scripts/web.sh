#!/usr/bin/env bash
# Builds the browser version in build-web/site/ (a static site: copy it to any web host) and
# serves it at http://localhost:8080/. With --build-only it only builds. The first run installs
# Emscripten and the font tools with apt-get (a minute or two); a build takes under a minute.
source "$(dirname "$0")/common.sh"
source scripts/web_common.sh
ensure_packages "${web_packages[@]}"
build_web build-web
[ "${1:-}" = "--build-only" ] && { echo "The site is in build-web/site/"; exit 0; }
step "Serving build-web/site/"
rm -f "$PIRANDELLA_STEP_FILE" # exec leaves no shell to clean up after it
exec node scripts/serve.mjs build-web/site 8080
