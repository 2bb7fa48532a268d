# Shared by the end-to-end tests: a prepared program folder, a private runtime
# folder for the single-instance marker, and helpers to find the clock.
set -euo pipefail
: "${CHRONIDEX_BIN:?path of the built chronidex}"
: "${CHRONIDEX_SOURCE:?path of the source tree}"
: "${DISPLAY:?an X display (test.sh starts Xvfb)}"

work=$(mktemp -d)
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
program="$work/chronidex"
# In the supplied language, Russian, whatever the desktop's: the tests read its texts.
LC_ALL=C.UTF-8 "$CHRONIDEX_SOURCE/tools/layout.sh" "$CHRONIDEX_BIN" "$program"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# CHRONIDEX_LOCALE, when set, is the clock's locale alone (dates as its user reads them).
start_clock() {
    (cd "$program" && exec env ${CHRONIDEX_LOCALE:+LC_ALL="$CHRONIDEX_LOCALE"} ./chronidex) \
        >"$work/clock.log" 2>&1 &
    clock_pid=$!
    pids+=("$clock_pid")
}

# Waits for a visible top-level window with exactly this title; prints its id.
wait_window() {
    local title=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# The visible top-level windows (popup menus among them), one id a line.
visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
# Waits up to $1 tenths of a second for the command after it to succeed.
wait_until() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
# True once a window is visible that was not in the list $1.
new_window_since() { [ -n "$(comm -13 <(echo "$1") <(visible_windows))" ]; }
# Runs the command after it (a click, a key) and waits until it has brought up
# a window, a menu or a submenu; fails after five seconds.
brings_up() {
    local before
    before=$(visible_windows)
    "$@"
    wait_until 50 new_window_since "$before" || fail "'$*' brought up no window"
}
# Opens the clock's menu at the pointer, walks it with the keys given and
# opens the submenu they reach. A popup takes the keyboard a moment after it
# shows, and keys typed in that moment are lost on a loaded machine: the walk
# is tried again from a closed menu then.
open_submenu() {
    local before
    for _ in 1 2 3; do
        before=$(visible_windows)
        xdotool click 3
        if wait_until 50 new_window_since "$before"; then
            sleep 0.2
            before=$(visible_windows)
            xdotool key "$@" Right
            wait_until 30 new_window_since "$before" && return 0
        fi
        xdotool key Escape Escape
        sleep 0.5
    done
    fail "the menu walked with '$*' opened no submenu"
}
screen_width() { xdpyinfo | awk '/dimensions:/ && !w { split($2, d, "x"); w = d[1] } END { print w }'; }

# Schedule records as the program writes them. A day-count date (whole days since 1899-12-30) as the 8 little-endian bytes
# of a double; every day of this century lies in [2^15, 2^16).
day_bytes() {
    local n=$1 bits i out=""
    bits=$(( (1038 << 52) | ((n - 32768) << 37) ))
    for i in 0 1 2 3 4 5 6 7; do out+=$(printf '\\x%02x' $(( (bits >> (8 * i)) & 255 ))); done
    printf "$out"
}
# A short string: length byte, text, zero fill up to the capacity.
short_string() {
    local text=$1 capacity=$2
    printf "\\x$(printf %02x ${#text})%s" "$text"
    head -c $((capacity - ${#text})) /dev/zero
}
