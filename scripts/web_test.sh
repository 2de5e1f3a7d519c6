#!/usr/bin/env bash
# The browser version's tests, run by the test command: the core tests compiled to WebAssembly
# under Node, and one test of the page in headless Chromium at device pixel ratio 1 and 2. On a
# fresh Debian 12 this takes about three minutes on two cores, most of it installing Emscripten
# and Chromium.
source "$(dirname "$0")/common.sh"
source scripts/web_common.sh
ensure_packages "${web_packages[@]}" "${web_test_packages[@]}"
build_web build-web -DPIRANDELLA_WEB_TESTS=ON
step "Running the core tests under Node"
ctest --test-dir build-web --output-on-failure --parallel "$(nproc)"
# Installed once; again only when web/package-lock.json changes.
if ! cmp -s web/package-lock.json web/node_modules/.pirandella-installed; then
    step "Installing playwright-core from the npm registry (web/package-lock.json)"
    npm ci --prefix web --no-audit --no-fund
    cp web/package-lock.json web/node_modules/.pirandella-installed
fi
step "Running the browser test in headless Chromium (screenshots in build-web/screenshots/)"
# A test that hangs fails the step instead of holding it (the whole runs in a minute or two).
timeout 600 node --test web/tests/
