#!/usr/bin/env bash
# Screenshots of every window of the program in each language, for docs/screens:
# the clock with its calendar and pull tab, the pull tab alone with the clock
# slid away, the box of a reminder due now, the notices for an overdue
# reminder and an overdue launch, every dialog of the menu, the holiday
# editor's box for a new day, and the help viewer. Fails when one of them is
# missing; ends with the widget test that every text fits its control in every
# language, and fails with it.
#   tools/screens.sh [build folder]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/xvfb.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" "${CHRONIDEX_TEST_PACKAGES[@]}" imagemagick

build=${1:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHRONIDEX_TESTS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target chronidex test_app_ui
out=docs/screens
mkdir -p "$out"
# Every shot is taken afresh, so one that no longer comes up is missed below.
rm -f "$out"/??-*.png
# The reminder due now is written for this minute of the clock's own day.
export TZ=UTC
xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
    chronidex_start_xvfb 141 160
fi
export CHRONIDEX_BIN="$PWD/$build/src/chronidex" CHRONIDEX_SOURCE="$PWD"
source tests/e2e/lib.sh
# A clock that fell over says why in its log.
fail() {
    echo "FAIL: $*"
    [ -s "$work/clock.log" ] && sed 's/^/    clock: /' "$work/clock.log"
    exit 1
}
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
    auto_hide 5 0
}
# The idle delay in seconds (int32 at byte 52), no restart (56), auto-hide
# (57) and the pull tab shown (58). Off, the clock stays where the shots
# expect it.
auto_hide() {
    printf "\\x$(printf %02x "$1")\\x00\\x00\\x00\\x00\\x$(printf %02x "$2")\\x00" |
        dd of="$program/system/system.ini" bs=1 seek=52 conv=notrunc status=none
}
# A notice or alert: a window new since the clock started that is neither
# the clock, its pull tab nor its calendar, nor one already handled.
wait_notice() {
    local id name
    for _ in $(seq 50); do
        for id in $(comm -13 <(echo "$before") <(visible_windows)); do
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
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2.png"
}
# The window that appeared since `before` was taken.
new_window() {
    local id
    for _ in $(seq 50); do
        id=$(comm -13 <(echo "$before") <(visible_windows) | head -n 1)
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

stop_clock() {
    kill "$clock_pid"
    wait "$clock_pid" 2>/dev/null || true
}
# Starts the clock on the schedule files as they stand, shoots the one box it
# shows at the start as $code-$1 and dismisses it.
box_shot() {
    before=$(visible_windows)
    seen=
    start_clock
    box=$(wait_notice) || fail "no box for $1"
    sleep 0.5
    shoot "$box" "$code-$1"
    xdotool windowfocus --sync "$box"
    xdotool key Return
    sleep 0.3
    stop_clock
}
# A schedule record for today at this minute, well clear of the minute's end.
due_now() {
    while [ "$(date +%S)" -gt 45 ]; do sleep 1; done
    day_bytes $(($(date +%s) / 86400 + 25569))
    short_string "$(date +%H:%M)" 5
}
for lang in Русский English French; do
    code=$(case $lang in Русский) echo ru ;; English) echo en ;; French) echo fr ;; esac)
    # Each language under its own locale, so the dates read as its user sees them.
    CHRONIDEX_LOCALE=$(case $code in ru) echo ru_RU.UTF-8 ;; en) echo en_GB.UTF-8 ;; fr) echo fr_FR.UTF-8 ;; esac)
    # What the user wrote is in the user's language.
    case $code in
        ru) text='Позвонить маме' due='Купить хлеб' ;;
        en) text='Call Mum' due='Buy bread' ;;
        fr) text='Appeler maman' due='Acheter du pain' ;;
    esac
    set_language "$lang.lng"
    rm -f "$program/system/napom.dat" "$program/system/run.dat"
    # One box at a time, so that each shot knows what it shows.
    { day_bytes 46000; short_string "10:30" 5; short_string "$(echo "$text" | iconv -f UTF-8 -t CP1251)" 150
        head -c 3 /dev/zero; } >"$program/system/napom.dat"
    box_shot overdue-reminder
    rm -f "$program/system/napom.dat"
    { day_bytes 46000; short_string "09:00" 5; short_string "/usr/bin/true" 250; head -c 7 /dev/zero; } \
        >"$program/system/run.dat"
    box_shot overdue-launch
    rm -f "$program/system/run.dat"
    { due_now; short_string "$(echo "$due" | iconv -f UTF-8 -t CP1251)" 150; head -c 3 /dev/zero; } \
        >"$program/system/napom.dat"
    box_shot reminder
    rm -f "$program/system/napom.dat"

    start_clock
    clock=$(wait_window chas) || fail "no clock window"
    sleep 1
    w=$(screen_width)
    import -window root -crop "220x370+$((w - 220))+0" +repage "$out/$code-clock.png"
    # The menu's keys to each dialog; the help viewer last, as it stays open.
    for dialog in "reminder-editor:Down Right" "launch-editor:Down Right Down" \
        "holidays:Down Right Down Down" "language:Down Down Right" "skins:Down Down Right Down" \
        "autostart:Down Down Right Down Down" "other-settings:Down Down Right Down Down Down" \
        "about:Down Down Down Right Down" "help:Down Down Down Right"; do
        name=${dialog%%:*}
        before=$(visible_windows)
        # shellcheck disable=SC2086
        open_menu ${dialog#*:}
        window=$(new_window) || fail "menu keys '${dialog#*:}' opened no window"
        sleep 0.5
        shoot "$window" "$code-$name"
        [ "$name" = help ] && break
        if [ "$name" = holidays ]; then
            # The box for a new day, from the day list's own menu.
            eval "$(xdotool getwindowgeometry --shell "$window")"
            xdotool mousemove --sync $((X + 130)) $((Y + 110)) click 3
            sleep 0.4
            before=$(visible_windows)
            xdotool key Down Return
            box=$(new_window) || fail "the day list's menu opened no box"
            sleep 0.5
            shoot "$box" "$code-new-holiday"
            xdotool windowfocus --sync "$box"
            xdotool key Escape
            sleep 0.3
        fi
        xdotool windowfocus --sync "$window"
        xdotool key Escape
        sleep 0.3
    done
    stop_clock

    # The clock slides away after the idle delay with the pointer off it;
    # the pull tab stays at the screen's edge, 20 pixels below the clock's top.
    auto_hide 1 1
    start_clock
    clock=$(wait_window chas) || fail "no clock window"
    xdotool mousemove --sync 100 500
    # Slid away, the clock is cut at the screen's edge until nothing is left, then unmapped.
    away=
    for _ in $(seq 60); do
        xwininfo -id "$clock" | grep -q IsUnMapped && away=1 && break
        sleep 0.1
    done
    [ -n "$away" ] || fail "the clock did not slide away"
    sleep 0.5
    import -window root -crop "60x120+$((w - 60))+0" +repage "$out/$code-pull-tab.png"
    stop_clock
done
# On a screen of two device pixels to a logical one, the face drawn from its
# skin's @2x picture.
code=ru
CHRONIDEX_LOCALE=ru_RU.UTF-8
set_language "Русский.lng"
export QT_SCALE_FACTOR=2
start_clock
clock=$(wait_window chas) || fail "no clock window at scale 2"
sleep 1
import -window root -crop "440x740+$(($(screen_width) - 440))+0" +repage "$out/ru-clock-scale-2.png"
stop_clock
unset QT_SCALE_FACTOR
unshot=
for code in ru en fr; do
    for name in clock pull-tab reminder overdue-reminder overdue-launch reminder-editor \
        launch-editor holidays new-holiday language skins autostart other-settings about help; do
        [ -s "$out/$code-$name.png" ] || unshot+=" $code-$name"
    done
done
[ -s "$out/ru-clock-scale-2.png" ] || unshot+=" ru-clock-scale-2"
[ -z "$unshot" ] || fail "no shot of:$unshot"
unset CHRONIDEX_LOCALE
ls "$out"
QT_QPA_PLATFORM=offscreen "$build/tests/test_app_ui" --gtest_filter='*TextFit*'
