#!/usr/bin/env bash
# Makes sure the Debian packages the build needs are installed.
# Sourced by ./run and ./test, which call bm_ensure_packages with any extra
# packages they need besides these.
bm_packages=(cmake ninja-build g++ qt6-base-dev libgl1-mesa-dev libgtest-dev libgmock-dev
             libbenchmark-dev)

# Prints the packages of the list and the arguments that are not installed.
bm_missing_packages() {
    local pkg
    for pkg in "${bm_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            echo "$pkg"
    done
}

# Installs what is missing of the list and the arguments (as root), or prints
# the line to install it with and stops.
bm_ensure_packages() {
    local missing
    missing=$(bm_missing_packages "$@" | tr '\n' ' ')
    missing=${missing% }
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Some packages the build needs are missing. Install them with:"
        echo "sudo apt-get install -y $missing"
        exit 1
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq && apt-get install -y -qq $missing >/dev/null || {
        echo "apt-get install failed"
        exit 1
    }
}
