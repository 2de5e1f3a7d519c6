# Shared by the web scripts: what the browser build needs, and the build itself.

# Emscripten (it brings Node), CMake, and terser to shorten the page's scripts.
web_packages=(emscripten cmake make node-terser)
# What the browser test adds: Chromium to drive (playwright-core comes from npm).
web_test_packages=(chromium)
# npm too, where no Node.js of its own brought it.
command -v npm >/dev/null || web_test_packages+=(npm)

# Debian's Emscripten runs its JavaScript tools with whichever Node comes first on the PATH; they
# need Debian's own Node modules (acorn) when that is not Debian's Node.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

build_web() { # build_web <folder> [cmake options...]: the site in <folder>/site
    local dir=$1
    shift
    step "Configuring the browser build in $dir/"
    emcmake cmake -S web -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
    step "Building the browser version (under a minute on two cores)"
    cmake --build "$dir" --parallel "$(nproc)"
}
