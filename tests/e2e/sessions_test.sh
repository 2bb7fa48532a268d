#!/usr/bin/env bash
# The clock in full desktop sessions, as users log into them: Xfce with its
# top panel, GNOME Shell and KDE Plasma on Wayland, sway with its bar (the
# clock on their XWayland). Each session named in the arguments (default:
# all) starts with its own display, D-Bus session and home; in each:
#  (a) the clock at the top right of the work area, the calendar directly
#      under it, the pull tab beside it, 20 px below the clock's top;
#  (b) no window of ours in a switcher, taskbar or pager, none demanding
#      attention, none tiled;
#  (c) auto-hide with a delay of 2 s: afterwards no pixel of clock or
#      calendar on the compositor's screenshot, the tab whole at the work
#      area's right edge, below the panel;
#  (d) a click on the tab brings both back to their places of (a);
#  (e) an ordinary window raised over the clock covers it while the tab
#      stays above.
# Every failed check is reported, then the test fails; a session that cannot
# start fails it too. With CHRONIDEX_SCREENS set, a picture of each session,
# in place and slid away, is written there as session-<name>.png.
# Each session brings its own display: none is needed from outside.
export DISPLAY=${DISPLAY:-none}
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop_lib.sh"
source "$(dirname "$0")/session_lib.sh"
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR

delay=2
settings="$program/system/system.ini"
printf "\\x$(printf %02x $delay)\\x00\\x00\\x00" | dd of="$settings" bs=1 seek=52 conv=notrunc status=none
printf '\x01\x00' | dd of="$settings" bs=1 seek=57 conv=notrunc status=none

# The Classic skin's sizes.
clock_size=191 calendar_height=178 tab_width=14 tab_height=40 tab_drop=20

failures=()
check() { failures+=("$session_name: $*"); echo "CHECK FAILED: $session_name: $*"; }

# Waits for the command after it, up to $1 tenths of a second, quietly.
settle() { wait_until "$@" 2>/dev/null || return 1; }

# The clock and the calendar where (a) wants them: "x y w h IsViewable".
want_clock() { echo "$((ax + aw - clock_size)) $ay $clock_size $clock_size IsViewable"; }
want_calendar() {
    echo "$((ax + aw - clock_size)) $((ay + clock_size)) $clock_size $calendar_height IsViewable"
}
want_tab() { echo "$((ax + aw - clock_size - tab_width)) $((ay + tab_drop)) $tab_width $tab_height IsViewable"; }
at_home() {
    [ "$(session_geometry "$clock")" = "$(want_clock)" ] &&
        [ "$(session_geometry "$calendar")" = "$(want_calendar)" ]
}
both_away() {
    local id state
    for id in "$clock" "$calendar"; do
        read -r _ _ _ _ state <<<"$(session_geometry "$id")"
        [ "$state" != IsViewable ] || return 1
    done
}
# The colours of the points "x,y ..." on a screenshot, one line.
colours() {
    local file=$1 point format=
    shift
    for point in "$@"; do format+="%[pixel:p{$point}] "; done
    convert "$file" -format "$format" info: 2>/dev/null
}

check_session() {
    local name=$1 started finished
    started=$(date +%s.%N)
    start_session "$name"
    finished=$(date +%s.%N)
    printf '%s: session ready after %.1f s\n' "$name" "$(echo "$finished - $started" | bc)"
    read -r ax ay aw ah <<<"$(session_workarea)"
    [ -n "$ah" ] || fail "$name: no work area"
    echo "$name: work area ${aw}x$ah+$ax+$ay, _NET_WORKAREA: $(xprop -root _NET_WORKAREA 2>/dev/null | sed 's/.*= //')"
    xdotool mousemove 10 $((ay + ah - 10))

    # The desktop as it is without the clock, once it has settled (a
    # wallpaper may still be loading): the slid-away screen must match it.
    local corner="$((clock_size + tab_width))x$((clock_size + calendar_height))+$((ax + aw - clock_size - tab_width))+$ay"
    session_shot "$work/empty.png"
    for _ in $(seq 10); do
        session_shot "$work/empty2.png"
        [ "$(compare -metric AE "$work/empty.png" "$work/empty2.png" null: 2>&1)" = 0 ] && break
        mv "$work/empty2.png" "$work/empty.png"
    done

    start_clock
    clock=$(wait_window chas) || { cat "$work/clock.log"; fail "$name: no clock window"; }
    calendar=$(wait_window kol) || fail "$name: no calendar window"
    tab=$(wait_window kn) || fail "$name: no pull tab"
    echo "$name: clock started with $(tr '\n' ' ' <"$work/clock.log")"

    # (a) The pointer rests on the clock meanwhile, which holds it home.
    xdotool mousemove $((ax + aw - clock_size / 2)) $((ay + clock_size / 2))
    settle 50 at_home || true
    local got_clock got_calendar got_tab
    got_clock=$(session_geometry "$clock")
    got_calendar=$(session_geometry "$calendar")
    got_tab=$(session_geometry "$tab")
    echo "$name: clock $got_clock, calendar $got_calendar, tab $got_tab"
    [ "$got_clock" = "$(want_clock)" ] || check "(a) clock at $got_clock, not $(want_clock)"
    [ "$got_calendar" = "$(want_calendar)" ] || check "(a) calendar at $got_calendar, not $(want_calendar)"
    [ "$got_tab" = "$(want_tab)" ] || check "(a) tab at $got_tab, not $(want_tab)"
    [ -n "${CHRONIDEX_SCREENS:-}" ] && session_shot "$work/in-place.png"

    # (b)
    local id listed
    for id in "$clock" "$calendar" "$tab"; do
        listed=$(session_listed "$id")
        [ -z "$listed" ] || check "(b) $(xprop -id "$id" WM_NAME | sed 's/.*= //') is listed or marked: $listed"
    done
    if [ "$name" = kde ]; then
        kde_walk_check
    fi

    # (c) The delay passes with the pointer away: nothing of either stays.
    xdotool mousemove 10 $((ay + ah - 10))
    local away=1
    settle $(((delay + 8) * 10)) both_away || { away=; check "(c) clock or calendar still shown after the delay"; }
    # The tab comes to rest at the edge.
    sleep 1
    local x y w h state
    read -r x y w h state <<<"$(session_geometry "$tab")"
    echo "$name: slid away, tab at $x $y ${w}x$h $state"
    [ "$state" = IsViewable ] && [ "$w" = "$tab_width" ] && [ "$h" = "$tab_height" ] &&
        [ $((x + w)) -le $((ax + aw)) ] && [ $((x + w)) -ge $((ax + aw - 2)) ] &&
        [ "$y" -ge "$ay" ] && [ $((y + h)) -le $((ay + ah)) ] ||
        check "(c) tab not whole at the work area's right edge (x $((ax + aw))) below its top ($ay): $x,$y ${w}x$h $state"
    session_shot "$work/away.png"
    # Where the clock and calendar were or should have been, less the tab.
    local box
    box=$(printf '%s\n' "$got_clock" "$got_calendar" "$(want_clock)" "$(want_calendar)" |
        awk 'NR == 1 {l = $1; t = $2; r = $1 + $3; b = $2 + $4}
             {if ($1 < l) l = $1; if ($2 < t) t = $2; if ($1 + $3 > r) r = $1 + $3; if ($2 + $4 > b) b = $2 + $4}
             END {print r - l "x" b - t "+" l "+" t}')
    local differ f
    for f in empty away; do
        convert "$work/$f.png" -fill black -draw "rectangle $((x - 1)),$((y - 1)) $((x + w)),$((y + h))" \
            -crop "$box" +repage "$work/$f-region.png"
    done
    differ=$(compare -metric AE "$work/empty-region.png" "$work/away-region.png" null: 2>&1 || true)
    [ "${differ%% *}" = 0 ] || check "(c) $differ pixels of the clock's and calendar's region ($box) differ from the empty desktop"
    [ -n "${CHRONIDEX_SCREENS:-}" ] && [ -e "$work/in-place.png" ] &&
        convert "$work/in-place.png" "$work/away.png" \
            -crop "560x$((ay + clock_size + calendar_height + 40))+$((ax + aw - 560))+0" \
            +repage -bordercolor gray -border 2 +append "$CHRONIDEX_SCREENS/session-$name.png"

    # (d) A click on the tab brings both home.
    if [ "$state" = IsViewable ]; then
        xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
        settle 50 at_home ||
            check "(d) after a click on the tab: clock $(session_geometry "$clock"), calendar $(session_geometry "$calendar")"
    else
        check "(d) no tab to click"
    fi

    # (e) An ordinary window raised over the clock covers it; the tab stays
    # above. The pointer rests on the clock meanwhile, which holds it home.
    read -r x y w h state <<<"$(session_geometry "$clock")"
    xdotool mousemove $((x + 10)) $((y + h - 10))
    local tx ty tw th
    read -r tx ty tw th _ <<<"$(session_geometry "$tab")"
    local on_clock="$((x + w / 2)),$((y + h / 2))" on_tab="$((tx + tw / 2)),$((ty + th / 2))"
    session_shot "$work/home.png"
    local before
    before=$(colours "$work/home.png" "$on_clock" "$on_tab")
    local other covered=
    other=$(session_raise_normal '#123456' $((x - 300)) "$y")
    for _ in $(seq 20); do
        sleep 0.3
        session_shot "$work/covered.png"
        read -r c_clock c_tab <<<"$(colours "$work/covered.png" "$on_clock" "$on_tab")"
        [ "$c_clock" != "${before%% *}" ] && [ "$c_tab" = "$(echo "$before" | cut -d' ' -f2)" ] &&
            { covered=1; break; }
    done
    [ -n "$covered" ] ||
        check "(e) the raised window does not cover the clock or covers the tab (clock and tab before: $before, after: $c_clock $c_tab)"
    xdotool windowkill "$other" 2>/dev/null || true

    kill "$clock_pid" 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
    session_stop
    printf '%s: checked in %.1f s\n' "$name" "$(echo "$(date +%s.%N) - $started" | bc)"
}

# KDE's Alt+Tab, walked as the shortcut does it: from an ordinary window that
# is active, it must not reach a window of ours.
kde_walk_check() {
    local other active
    other=$(session_raise_normal white 100 300)
    settle 30 kde_active_is "$other" || true
    kwin_walk_through_windows
    sleep 1
    active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p')
    for id in "$clock" "$calendar" "$tab"; do
        [ "$((active))" != "$id" ] || check "(b) Walk Through Windows activated $(xprop -id "$id" WM_NAME | sed 's/.*= //')"
    done
    xdotool windowkill "$other" 2>/dev/null || true
}
kde_active_is() { [ "$(($(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p')))" = "$1" ]; }

sessions=("$@")
[ ${#sessions[@]} -gt 0 ] || sessions=(xfce gnome kde sway)
for session in "${sessions[@]}"; do
    check_session "$session"
done
if [ ${#failures[@]} -gt 0 ]; then
    echo "FAIL: ${#failures[@]} checks failed:"
    printf '  %s\n' "${failures[@]}"
    exit 1
fi
echo "ok"
