#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" "${CHRONIDEX_TEST_PACKAGES[@]}"

build=${CHRONIDEX_BUILD_DIR:-build}
werror=OFF
[ -n "${CHRONIDEX_WERROR:-}" ] && werror=ON
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHRONIDEX_TESTS=ON \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=$werror >/dev/null
cmake --build "$build" -j "$(nproc)"

# The end-to-end tests need a display: give them a private Xvfb.
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        break
    fi
done
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
