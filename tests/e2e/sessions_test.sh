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

# The settings record: the idle delay (int32 at byte 52), auto-hide (57),
# the pull tab shown (58: "no pull tab" off).
delay=2
settings="$program/system/system.ini"
set_auto_hide() {
    printf "\\x$(printf %02x $delay)\\x00\\x00\\x00" | dd of="$settings" bs=1 seek=52 conv=notrunc status=none
    printf "\\x0$1\\x00" | dd of="$settings" bs=1 seek=57 conv=notrunc status=none
}

# The Classic skin's sizes.
clock_size=191 calendar_height=178 tab_width=14 tab_height=40 tab_drop=20

failures=()
check() { failures+=("$session_name: $*"); echo "CHECK FAILED: $session_name: $*"; }

# Waits up to $1 seconds for the command after it to succeed: by the clock,
# as each try may take a while (a compositor's answer, a screenshot).
within() {
    local end=$((${EPOCHREALTIME/./} + $1 * 1000000))
    shift
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -lt "$end" ] || return 1
        sleep 0.1
    done
}

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
# Away is unmapped, or (where the compositor moves windows whole, as sway
# does) lying wholly beyond the work area's right edge; the screenshot then
# shows whether any pixel remains.
both_away() {
    local id x state
    for id in "$clock" "$calendar"; do
        read -r x _ _ _ state <<<"$(session_geometry "$id")"
        [ "$state" != IsViewable ] || [ "$x" -ge $((ax + aw)) ] || return 1
    done
}
# The colours of the points "x,y ..." on a screenshot, one line.
colours() {
    local file=$1 point format=
    shift
    for point in "$@"; do format+="%[pixel:p{$point}] "; done
    convert "$file" -format "$format" info: 2>/dev/null
}

# The screenshot shows the clock's centre covered and the tab's unchanged.
covers_clock_not_tab() {
    session_shot "$work/covered.png"
    read -r clock_after tab_after <<<"$(colours "$work/covered.png" "$on_clock" "$on_tab")"
    [ "$clock_after" != "$clock_before" ] && [ "$tab_after" = "$tab_before" ]
}

check_session() {
    local name=$1 started
    started=$EPOCHREALTIME
    start_session "$name"
    echo "$name: session ready after $(since "$started") s"
    read -r ax ay aw ah <<<"$(session_workarea)"
    [ -n "$ah" ] || fail "$name: no work area"
    echo "$name: work area ${aw}x$ah+$ax+$ay; _NET_WORKAREA $(xprop -root _NET_WORKAREA 2>/dev/null | sed 's/.*= //')"
    echo "$name: the clock inherits DISPLAY=$DISPLAY WAYLAND_DISPLAY=${WAYLAND_DISPLAY:-} XDG_SESSION_TYPE=${XDG_SESSION_TYPE:-}" \
        "XDG_CURRENT_DESKTOP=${XDG_CURRENT_DESKTOP:-} QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-} SWAYSOCK=${SWAYSOCK:-}"
    empty_desktop

    # The windows' places, listings and stacking, with a clock that stays
    # (auto-hide off): a slide would take it away while the compositor is
    # asked, and the window covering it takes the pointer off it.
    set_auto_hide 0
    start_clock
    clock=$(wait_window chas) || { cat "$work/clock.log"; fail "$name: no clock window"; }
    calendar=$(wait_window kol) || fail "$name: no calendar window"
    tab=$(wait_window kn) || fail "$name: no pull tab"
    check_places
    check_listings
    check_covering
    stop_clock

    # Auto-hide on, delay 2 s.
    set_auto_hide 1
    start_clock
    clock=$(wait_window chas) || { cat "$work/clock.log"; fail "$name: no clock window at the second start"; }
    calendar=$(wait_window kol) || fail "$name: no calendar window at the second start"
    tab=$(wait_window kn) || fail "$name: no pull tab at the second start"
    check_slide

    # CHRONIDEX_SESSION_SHOTS names a folder to keep each session's screenshots in.
    [ -z "${CHRONIDEX_SESSION_SHOTS:-}" ] ||
        for f in "$work"/*.png; do cp "$f" "$CHRONIDEX_SESSION_SHOTS/$name-$(basename "$f")"; done
    stop_clock
    session_stop
    echo "$name: checked in $(since "$started") s"
}

# Seconds since the time $1 (an $EPOCHREALTIME), to a tenth.
since() {
    local tenths=$(((${EPOCHREALTIME/./} - ${1/./}) / 100000))
    echo "$((tenths / 10)).$((tenths % 10))"
}

stop_clock() {
    kill "$clock_pid" 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
}

# The desktop as it is without the clock, once it has settled (a wallpaper
# may still be loading): the slid-away screen must match it.
empty_desktop() {
    xdotool mousemove 10 $((ay + ah - 10))
    session_shot "$work/empty.png"
    for _ in $(seq 10); do
        session_shot "$work/empty2.png"
        [ "$(compare -metric AE "$work/empty.png" "$work/empty2.png" null: 2>&1)" = 0 ] && break
        mv "$work/empty2.png" "$work/empty.png"
    done
}

# (a) The clock at the top right of the work area, the calendar under it,
# the tab beside it.
check_places() {
    within 5 at_home || true
    got_clock=$(session_geometry "$clock")
    got_calendar=$(session_geometry "$calendar")
    local got_tab
    got_tab=$(session_geometry "$tab")
    echo "$session_name: clock $got_clock, calendar $got_calendar, tab $got_tab"
    [ "$got_clock" = "$(want_clock)" ] || check "(a) clock at $got_clock, not $(want_clock)"
    [ "$got_calendar" = "$(want_calendar)" ] || check "(a) calendar at $got_calendar, not $(want_calendar)"
    [ "$got_tab" = "$(want_tab)" ] || check "(a) tab at $got_tab, not $(want_tab)"
    [ -z "${CHRONIDEX_SCREENS:-}" ] || session_shot "$work/in-place.png"
}

# (b) No window of ours in a switcher, taskbar or pager, none demanding
# attention, none tiled.
check_listings() {
    local id listed
    for id in "$clock" "$calendar" "$tab"; do
        listed=$(session_listed "$id")
        [ -z "$listed" ] || check "(b) $(window_name "$id") is listed or marked: $listed"
    done
    [ "$session_name" != kde ] || walk_check
}
window_name() { xprop -id "$1" WM_NAME | sed 's/.*= //'; }

# (e) An ordinary window raised over the clock covers it; the tab stays above.
check_covering() {
    local x y w h tx ty tw th other
    read -r x y w h _ <<<"$(session_geometry "$clock")"
    read -r tx ty tw th _ <<<"$(session_geometry "$tab")"
    on_clock="$((x + w / 2)),$((y + h / 2))"
    on_tab="$((tx + tw / 2)),$((ty + th / 2))"
    session_shot "$work/home.png"
    read -r clock_before tab_before <<<"$(colours "$work/home.png" "$on_clock" "$on_tab")"
    other=$(session_raise_normal '#123456' $((x - 300)) "$y")
    within 10 covers_clock_not_tab ||
        check "(e) the raised window does not cover the clock or covers the tab (clock, tab before: $clock_before $tab_before; after: $clock_after $tab_after)"
    xdotool windowkill "$other" 2>/dev/null || true
}

# (c) After the delay, with the pointer away, nothing of clock or calendar on
# the screen and the tab whole at the work area's right edge, below its top;
# (d) a click on the tab brings both home.
check_slide() {
    xdotool mousemove 10 $((ay + ah - 10))
    within $((delay + 8)) both_away || check "(c) clock or calendar still shown after the delay"
    local x y w h state
    read -r x y w h state <<<"$(session_geometry "$tab")"
    # The tab may still be on its way.
    within 3 tab_at_edge || true
    read -r x y w h state <<<"$(session_geometry "$tab")"
    echo "$session_name: slid away, tab at $x $y ${w}x$h $state"
    tab_at_edge ||
        check "(c) tab not whole at the work area's right edge (x $((ax + aw))) below its top ($ay): $x,$y ${w}x$h $state"
    session_shot "$work/away.png"
    # Where the clock and calendar were or should have been, less the tab
    # and the shadow GNOME draws around it.
    local shade=24 box differ f
    box=$(printf '%s\n' "$got_clock" "$got_calendar" "$(want_clock)" "$(want_calendar)" |
        awk 'NR == 1 {l = $1; t = $2; r = $1 + $3; b = $2 + $4}
             {if ($1 < l) l = $1; if ($2 < t) t = $2; if ($1 + $3 > r) r = $1 + $3; if ($2 + $4 > b) b = $2 + $4}
             END {print r - l "x" b - t "+" l "+" t}')
    for f in empty away; do
        convert "$work/$f.png" -fill black \
            -draw "rectangle $((x - shade)),$((y - shade)) $((x + w + shade)),$((y + h + shade))" \
            -crop "$box" +repage "$work/$f-region.png"
    done
    differ=$(compare -metric AE "$work/empty-region.png" "$work/away-region.png" null: 2>&1 || true)
    [ "${differ%% *}" = 0 ] ||
        check "(c) $differ pixels of the clock's and calendar's region ($box) differ from the empty desktop"
    [ -z "${CHRONIDEX_SCREENS:-}" ] || [ ! -e "$work/in-place.png" ] ||
        convert "$work/in-place.png" "$work/away.png" \
            -crop "560x$((ay + clock_size + calendar_height + 40))+$((ax + aw - 560))+0" \
            +repage -bordercolor gray -border 2 +append "$CHRONIDEX_SCREENS/session-$session_name.png"

    if [ "$state" = IsViewable ]; then
        xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
        within 5 at_home ||
            check "(d) after a click on the tab: clock $(session_geometry "$clock"), calendar $(session_geometry "$calendar")"
    else
        check "(d) no tab to click"
    fi
}
tab_at_edge() {
    local x y w h state
    read -r x y w h state <<<"$(session_geometry "$tab")"
    [ "$state" = IsViewable ] && [ "$w" = "$tab_width" ] && [ "$h" = "$tab_height" ] &&
        [ $((x + w)) -le $((ax + aw)) ] && [ $((x + w)) -ge $((ax + aw - 2)) ] &&
        [ "$y" -ge "$ay" ] && [ $((y + h)) -le $((ay + ah)) ]
}

# The window switcher, walked once from an ordinary window that is active
# (where the session lets us: KDE's), must not reach a window of ours.
walk_check() {
    local other active
    other=$(session_raise_normal white 100 300)
    within 3 active_is "$other" || true
    session_walk_switcher
    within 2 eval '! active_is "$other"' || true
    active=$(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p')
    for id in "$clock" "$calendar" "$tab"; do
        [ "$((active))" != "$id" ] || check "(b) the window switcher activated $(window_name "$id")"
    done
    xdotool windowkill "$other" 2>/dev/null || true
}
active_is() { [ "$(($(xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p')))" = "$1" ]; }

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
