# Shared by the play and test scripts: install what is missing, then configure and build.
set -euo pipefail
cd "$(dirname "$0")/.."

# Debian packages the build needs; the scripts pass more for their own needs.
base_packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev googletest libgtest-dev)
# Tests also validate the desktop entry.
test_packages=(desktop-file-utils)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if command -v apt-get >/dev/null && [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    else
        echo "Please install these packages first (as root): ${missing[*]}" >&2
        exit 1
    fi
}

# Installs only on Debian-like systems; elsewhere the packages must already be there.
ensure_packages() {
    if command -v dpkg-query >/dev/null; then install_missing "${base_packages[@]}" "$@"; fi
}

build() { # build <dir> [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

build_game() { # only the game, in build/, whatever else that folder is configured for
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build -j"$(nproc)" --target pirandella
}
