#!/usr/bin/env bash
# Packs the build with cpack and checks the Debian package as Debian would: its Depends name the
# Qt libraries and the platform plugin, and lintian --pedantic reports no error and no warning.
# Usage: check_package.sh <build folder> <scratch folder>
set -euo pipefail
build=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log"
    exit 1
fi
deb=$(echo "$out"/pirandella_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=" $(sed -E 's/ \([^)]*\)//g; s/,//g' <<<"$depends") " # the package names alone
for need in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 qt6-qpa-plugins; do
    if [[ $names != *" $need "* ]]; then
        echo "the package does not depend on $need" >&2
        exit 1
    fi
done
lintian --pedantic --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 || true
cat "$out/lintian.log"
if grep -qE '^[EW]: ' "$out/lintian.log"; then
    echo "lintian found errors or warnings" >&2
    exit 1
fi
echo "lintian --pedantic: no error, no warning"
