# Shared by the play and test scripts: says what each step does, installs what is missing with
# apt-get, configures and builds, and stops with a plain message when a step fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# What the game needs to build and run (the platform plugin is only a recommendation of Qt's).
game_packages=(cmake g++ make qt6-base-dev libgl-dev qt6-qpa-plugins)
# What the tests add: GoogleTest, and the tools that check the desktop entry, the AppStream data,
# the Debian package, the game on an X server, what a screen reader finds, and Wayland.
test_packages=(googletest libgtest-dev desktop-file-utils appstream lintian dpkg-dev file
    xvfb xauth pkg-config libxcb-xfixes0-dev dbus at-spi2-core
    weston qt6-wayland openbox xdotool x11-utils)

# The step under way, shared with the scripts this one runs, so that a failure's last line names
# the innermost step that failed, not the one that ran the script it failed in.
if [ -z "${PIRANDELLA_STEP_FILE:-}" ]; then
    export PIRANDELLA_STEP_FILE
    PIRANDELLA_STEP_FILE=$(mktemp /tmp/pirandella-step.XXXXXX)
    trap 'rm -f "$PIRANDELLA_STEP_FILE"' EXIT
fi
step() { # step <what is about to happen>
    printf '%s\n' "$1" >"$PIRANDELLA_STEP_FILE"
    printf '\n==> [%s] %s\n' "$(date +%T)" "$1"
}
trap 'echo >&2; echo "pirandella: stopped while $(cat "$PIRANDELLA_STEP_FILE" 2>/dev/null || echo starting): see the messages above." >&2' ERR

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
    done
}

ensure_packages() { # ensure_packages <package>...: installs those missing, on Debian-like systems
    command -v dpkg-query >/dev/null || return 0 # elsewhere README.md and docs/tests.md list what to install
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    if ! command -v apt-get >/dev/null || [ "$(id -u)" -ne 0 ]; then
        echo "pirandella: please install these packages first (as root): ${missing[*]}" >&2
        exit 1
    fi
    step "Installing ${#missing[@]} packages with apt-get (a minute or two on a fresh system): ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

build_game() { # build_game [folder [cmake options...]]: configures and builds the game alone
    local dir=${1:-build}
    shift || true
    step "Configuring the game in $dir/"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DPIRANDELLA_TESTS=OFF "$@"
    step "Building the game (under a minute on two cores)"
    cmake --build "$dir" --parallel "$(nproc)" --target pirandella
}

build_all() { # build_all <folder> [cmake options...]: the game, the tests and the tools
    local dir=$1
    shift
    step "Configuring $dir/ $*"
    cmake -S . -B "$dir" "$@"
    step "Building $dir/ (a minute or two on two cores)"
    cmake --build "$dir" --parallel "$(nproc)"
}
