#!/usr/bin/env bash
# Installs what is missing, builds in Release, lays out the program folder and
# starts the clock there. With --prepare-only it stops before starting it;
# with --package it builds the Debian package instead and lays out nothing.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}"

build=${CHRONIDEX_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ "${1:-}" = "--package" ]; then
    cmake --build "$build" -j "$(nproc)" --target deb
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
    deb="$build/chronidex_${version}_$(dpkg --print-architecture).deb"
    echo "Package ready: $deb"
    echo "Install it with: sudo apt install ./$deb"
    exit 0
fi
cmake --build "$build" -j "$(nproc)" --target chronidex

home=${CHRONIDEX_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/chronidex}
tools/layout.sh "$build/src/chronidex" "$home"
tools/launcher.sh "$home"

[ "${1:-}" = "--prepare-only" ] && { echo "Program folder ready: $home"; exit 0; }

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the clock on; start it under X, e.g.: xvfb-run ./run.sh"
    exit 1
fi
cd "$home"
exec ./chronidex
