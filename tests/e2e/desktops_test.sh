#!/usr/bin/env bash
# The clock as users run it: under openbox, xfwm4 and icewm, with no window
# manager, at a scale factor of 2 and on two screens side by side. Each desktop
# gets a private X server. The same checks run on each: frameless at the top
# right with the calendar under it, no taskbar or pager entry, nothing of the
# clock or calendar on screen once slid away (by the window system and by a
# screenshot), the tab whole at the edge, a click on it bringing both home,
# and a normal window raised over the clock covering it while the tab stays.
# With CHRONIDEX_SCREENS set, a picture of each desktop, in place and slid
# away, is written there as desktop-<name>.png.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop_lib.sh"
# A command that fails ends the script (lib.sh sets -e): say which.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
export CHRONIDEX_BIN CHRONIDEX_SOURCE

delay=2
settings="$program/system/system.ini"
printf "\\x$(printf %02x $delay)\\x00\\x00\\x00" | dd of="$settings" bs=1 seek=52 conv=notrunc status=none
printf '\x01\x00' | dd of="$settings" bs=1 seek=57 conv=notrunc status=none

# One desktop: $1 its name, $2 the window manager (none, openbox, xfwm4,
# icewm), $3 the scale factor, $4 "two" for two screens side by side.
check_desktop() {
    local name=$1 wm=$2 scale=$3 screens=${4:-one}
    start_desktop "$wm" "$screens"
    local clock tab calendar
    local width size=$((191 * scale)) cal_height=$((178 * scale))
    width=$(xwininfo -root | awk '/^  Width/ {print $NF}')
    local home=$((width - size))
    # The corner as it is without the clock: the slid-away screen must match it.
    shot "$work/empty.png"

    # The pointer waits where the face will be, which holds the clock home
    # however long a loaded machine takes over the checks of its place.
    xdotool mousemove $((home + size / 2)) $((size / 2))
    QT_SCALE_FACTOR=$scale start_clock
    clock=$(wait_window chas) || { cat "$work/clock.log"; fail "$name: no clock window"; }
    tab=$(wait_window kn) || fail "$name: no pull tab"
    sleep 1
    read -r x y w h state <<<"$(geometry "$clock")"
    [ "$x $y $w $h" = "$home 0 $size $size" ] || fail "$name: clock at $x,$y ${w}x$h, not $home,0"
    local extents
    extents=$(xprop -id "$clock" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
    [ -z "$extents" ] || [ "$extents" = "0, 0, 0, 0" ] || fail "$name: clock has a frame: $extents"
    calendar=
    for id in $(xdotool search --all --onlyvisible --pid "$clock_pid" --name '.*' 2>/dev/null); do
        [ "$(geometry "$id")" = "$home $size $size $cal_height IsViewable" ] && calendar=$id
    done
    [ -n "$calendar" ] || fail "$name: no calendar under the clock: $(for id in $(xdotool search --all --onlyvisible --pid "$clock_pid" --name ".*" 2>/dev/null); do echo "$id $(geometry "$id");"; done)"
    for id in "$clock" "$calendar" "$tab"; do
        local states
        states=$(xprop -id "$id" _NET_WM_STATE)
        echo "$states" | grep -q SKIP_TASKBAR && echo "$states" | grep -q SKIP_PAGER ||
            fail "$name: window $id would show in a taskbar: $states"
    done
    if [ -n "$wm_pid" ]; then
        local listed
        listed=$(xprop -root _NET_CLIENT_LIST 2>/dev/null)
        for id in "$clock" "$calendar" "$tab"; do
            echo "$listed" | grep -qi "$(printf '0x%x' "$id")" ||
                echo "$name: window $id not managed (fine: then no taskbar lists it)"
        done
    fi
    [ -n "${CHRONIDEX_SCREENS:-}" ] && shot "$work/in-place.png"

    # The delay passes with the pointer away: nothing of either stays.
    xdotool mousemove 10 $((size * 3))
    sleep $((delay + 3))
    for id in "$clock" "$calendar"; do
        read -r x y w h state <<<"$(geometry "$id")"
        [ "$state" != IsViewable ] || fail "$name: window $id still on screen at $x,$y ${w}x$h"
    done
    read -r x y w h state <<<"$(geometry "$tab")"
    [ "$state" = IsViewable ] && [ $((x + w)) -le "$width" ] && [ "$x" -ge $((width - w - 30)) ] ||
        fail "$name: the tab is not whole at the edge: $x,$y ${w}x$h $state"
    shot "$work/away.png"
    local rx=$((x - 1)) ry=$((y - 1)) rw=$((w + 2)) rh=$((h + 2))
    local differ
    differ=$(for f in empty away; do
        convert "$work/$f.png" -crop "${size}x$((size + cal_height))+${home}+0" +repage \
            -fill black -draw "rectangle $((rx - home)),$ry $((rx - home + rw)),$((ry + rh))" \
            "$work/$f-corner.png"
    done
    compare -metric AE "$work/empty-corner.png" "$work/away-corner.png" null: 2>&1 || true)
    [ "${differ%% *}" = 0 ] || fail "$name: $differ pixels of the corner changed after the slide"
    [ -n "${CHRONIDEX_SCREENS:-}" ] &&
        convert "$work/in-place.png" "$work/away.png" -crop "560x$((size + cal_height + 40))+$((width - 560))+0" \
            +repage -bordercolor gray -border 2 +append "$CHRONIDEX_SCREENS/desktop-$name.png"

    # A click on the tab brings both home.
    xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
    sleep 2
    [ "$(geometry "$clock")" = "$home 0 $size $size IsViewable" ] ||
        fail "$name: clock back at $(geometry "$clock")"
    [ "$(geometry "$calendar")" = "$home $size $size $cal_height IsViewable" ] ||
        fail "$name: calendar back at $(geometry "$calendar")"

    # A normal window raised over the clock covers it; the tab stays above.
    # The pointer rests on the clock's place meanwhile, which holds it home.
    xdotool mousemove $((home + 10)) $((size - 10))
    read -r x y w h state <<<"$(geometry "$tab")"
    local before tab_before
    shot "$work/home.png"
    before=$(pixel "$work/home.png" $((home + size / 2)) $((size / 2)))
    tab_before=$(pixel "$work/home.png" $((x + w / 2)) $((y + h / 2)))
    local term_win
    term_win=$(plain_window '#123456' "700x500+$((width - 700))+0") ||
        fail "$name: no ordinary window to raise"
    if [ -n "$wm_pid" ]; then
        xdotool windowactivate "$term_win" 2>/dev/null || true
    else
        xdotool windowraise "$term_win"
    fi
    # The window manager restacks in its own time; a loaded machine may take a while.
    local covered=
    for _ in $(seq 20); do
        sleep 0.3
        shot "$work/covered.png"
        [ "$(pixel "$work/covered.png" $((home + size / 2)) $((size / 2)))" != "$before" ] &&
            [ "$(pixel "$work/covered.png" $((x + w / 2)) $((y + h / 2)))" = "$tab_before" ] &&
            { covered=1; break; }
    done
    [ -n "$covered" ] || { cp "$work/covered.png" "/tmp/covered-$name.png"; fail "$name: the raised window does not cover the clock, or covers the tab"; }
    xdotool windowkill "$term_win" 2>/dev/null || true

    stop_desktop
    echo "$name: ok"
}

# CHRONIDEX_DESKTOPS="openbox icewm" runs only those, by name.
desktops=("bare none 1" "openbox openbox 1" "xfwm4 xfwm4 1" "icewm icewm 1"
    "openbox-scale-2 openbox 2" "two-screens none 1 two" "two-screens-openbox openbox 1 two")
for desktop in "${desktops[@]}"; do
    read -r name wm scale screens <<<"$desktop"
    [ -z "${CHRONIDEX_DESKTOPS:-}" ] || [[ " $CHRONIDEX_DESKTOPS " == *" $name "* ]] || continue
    check_desktop "$name" "$wm" "$scale" "$screens"
done
echo "ok"
