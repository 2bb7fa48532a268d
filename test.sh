#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
#   ./test.sh             Release build in build/, then a short fuzz run when clang is present
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
source tools/xvfb.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" "${CHRONIDEX_TEST_PACKAGES[@]}"
chronidex_install_missing --no-install-recommends "${CHRONIDEX_SESSION_PACKAGES[@]}"

sanitize=
for arg in "$@"; do
    case $arg in
        --sanitize) sanitize=1 ;;
        *) echo "usage: $0 [--sanitize]"; exit 2 ;;
    esac
done

if [ -n "$sanitize" ]; then
    build=${CHRONIDEX_BUILD_DIR:-build-sanitize}
    flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHRONIDEX_TESTS=ON \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        >/dev/null
    # Every finding fails its test; the leak check names only the system
    # libraries' own leaks as known (tools/lsan.supp).
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
else
    build=${CHRONIDEX_BUILD_DIR:-build}
    werror=OFF
    [ -n "${CHRONIDEX_WERROR:-}" ] && werror=ON
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHRONIDEX_TESTS=ON \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=$werror >/dev/null
fi
cmake --build "$build" -j "$(nproc)"

# A few seconds per reader under libFuzzer, where clang is at hand; the
# sanitized run already checks the same code under the same sanitizers.
if [ -z "$sanitize" ] && command -v clang++ >/dev/null; then
    fuzz/run.sh "${CHRONIDEX_FUZZ_SECONDS:-2}"
fi

# The end-to-end tests need a display: give them a private Xvfb.
xvfb_pid=
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
chronidex_start_xvfb 91 140

# A sanitized build makes no package to install: its executable needs the
# sanitizers' runtimes.
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --timeout 300 ${sanitize:+-LE package})

