#!/usr/bin/env bash
# Builds the browser version and measures it in headless Chromium: size gzipped, the whole first
# load, the first paint and the playback's tick spacing (median of 11 first visits; RUNS=n for
# another count), then what a phone sees (bench/web_mobile.mjs, median of 3). Prints two tables;
# fails when either goes over a budget.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source scripts/web_common.sh
ensure_packages "${web_packages[@]}" "${web_test_packages[@]}"
build_web build-web >/dev/null
if ! cmp -s web/package-lock.json web/node_modules/.pirandella-installed; then
    step "Installing playwright-core from the npm registry (web/package-lock.json)"
    npm ci --prefix web --no-audit --no-fund
    cp web/package-lock.json web/node_modules/.pirandella-installed
fi
status=0
step "Measuring in headless Chromium"
node bench/web_bench.mjs || status=1
step "Measuring on Lighthouse's mobile profile, served gzipped"
node bench/web_mobile.mjs || status=1
exit $status
