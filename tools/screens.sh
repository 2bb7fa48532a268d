#!/usr/bin/env bash
# Screenshots of every window of the program in each language, for docs/screens:
# the clock with its calendar and pull tab, the notices for an overdue
# reminder and an overdue launch, and every dialog of the menu. Ends with the widget test that every text fits its
# control in every language, and fails with it.
#   tools/screens.sh [build folder]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" "${CHRONIDEX_TEST_PACKAGES[@]}" imagemagick

build=${1:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHRONIDEX_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target chronidex test_app_ui
out=docs/screens
mkdir -p "$out"

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 141 160); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            break
        fi
    done
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
export CHRONIDEX_BIN="$PWD/$build/src/chronidex" CHRONIDEX_SOURCE="$PWD"
source tests/e2e/lib.sh
trap 'cleanup; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true' EXIT

# Record helpers as the schedule files lay records out (see due_entries_test.sh).
day_bytes() {
    local n=$1 bits i out=""
    bits=$(( (1038 << 52) | ((n - 32768) << 37) ))
    for i in 0 1 2 3 4 5 6 7; do out+=$(printf '\\x%02x' $(( (bits >> (8 * i)) & 255 ))); done
    printf "$out"
}
short_string() {
    local text=$1 capacity=$2 length
    length=$(printf %s "$text" | wc -c)
    printf "\\x$(printf %02x "$length")%s" "$text"
    head -c $((capacity - length)) /dev/zero
}
set_language() {  # the settings' langFile: a length byte and 25 cp1251 bytes
    local bytes
    bytes=$(printf %s "$1" | iconv -f UTF-8 -t CP1251 | od -An -tx1 | tr -d ' \n')
    printf "\\x$(printf %02x $(( ${#bytes} / 2 )))$(echo "$bytes" | sed 's/../\\x&/g')" |
        dd of="$program/system/system.ini" bs=1 seek=0 conv=notrunc status=none
    # Auto-hide off, so the clock stays where the shots expect it.
    printf '\x00' | dd of="$program/system/system.ini" bs=1 seek=57 conv=notrunc status=none
}
# A notice or alert: a window new since the clock started that is neither
# the clock, its pull tab nor its calendar, nor one already handled.
wait_notice() {
    local id name
    for _ in $(seq 30); do
        for id in $(comm -13 <(echo "$before") <(visible)); do
            case " $seen " in *" $id "*) continue ;; esac
            name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
            [ "$name" = chas ] || [ "$name" = kn ] && continue
            eval "$(xdotool getwindowgeometry --shell "$id")"
            [ "$WIDTH" = 191 ] && [ "$HEIGHT" = 178 ] && continue
            echo "$id"
            return 0
        done
        sleep 0.1
    done
    return 1
}
# A window as it stands on the screen (import -window misses some of Qt's).
shoot() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/$2.png"
}
visible() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
# The window that appeared since `before` was taken.
new_window() {
    local id
    for _ in $(seq 50); do
        id=$(comm -13 <(echo "$before") <(visible) | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# Opens a menu entry by the keys that reach it from the closed menu.
open_menu() {
    eval "$(xdotool getwindowgeometry --shell "$clock")"
    xdotool mousemove --sync $((X + 95)) $((Y + 95)) click 3
    sleep 0.4
    local key
    for key in "$@" Return; do
        xdotool key "$key"
        sleep 0.3
    done
}

for lang in Русский English French; do
    code=$(case $lang in Русский) echo ru ;; English) echo en ;; French) echo fr ;; esac)
    set_language "$lang.lng"
    rm -f "$program/system/napom.dat" "$program/system/run.dat"
    { day_bytes 46000; short_string "10:30" 5; short_string "$(echo 'Позвонить маме' | iconv -f UTF-8 -t CP1251)" 150; head -c 3 /dev/zero
    } >"$program/system/napom.dat"
    { day_bytes 46000; short_string "09:00" 5; short_string "/usr/bin/true" 250; head -c 7 /dev/zero; } \
        >"$program/system/run.dat"
    before=$(visible)
    start_clock
    # Notices may stand on top of each other: each round spreads out the
    # ones up, shoots them and dismisses them; a later one may follow.
    n=0
    seen=
    sleep 2
    for _ in 1 2 3; do
        boxes=
        while box=$(wait_notice); do seen+=" $box"; boxes+=" $box"; done
        [ -n "$boxes" ] || break
        k=0
        for box in $boxes; do xdotool windowmove --sync "$box" 20 $((20 + 160 * k)); k=$((k + 1)); done
        sleep 0.5
        for box in $boxes; do n=$((n + 1)); shoot "$box" "$code-notice-$n"; done
        # The newest box holds the keyboard while it is up: close it first.
        for box in $(echo $boxes | tr ' ' '\n' | tac); do
            xdotool windowfocus --sync "$box"
            xdotool key Return
            sleep 0.3
        done
    done
    clock=$(wait_window chas) || fail "no clock window"
    sleep 1
    w=$(screen_width)
    import -window root -crop "220x370+$((w - 220))+0" "$out/$code-clock.png"
    i=0
    for keys in "Down Right" "Down Right Down" "Down Right Down Down" "Down Down Right" \
        "Down Down Right Down" "Down Down Right Down Down" "Down Down Right Down Down Down" \
        "Down Down Down Right Down"; do
        i=$((i + 1))
        before=$(visible)
        # shellcheck disable=SC2086
        open_menu $keys
        dialog=$(new_window) || fail "menu keys '$keys' opened no window"
        sleep 0.5
        shoot "$dialog" "$code-dialog-$i"
        xdotool windowfocus --sync "$dialog"
        xdotool key Escape
        sleep 0.3
    done
    kill "$clock_pid"
    wait "$clock_pid" 2>/dev/null || true
done
ls "$out"
QT_QPA_PLATFORM=offscreen "$build/tests/test_app_ui" --gtest_filter='*TextFit*'
