#!/usr/bin/env bash
# Only the pull tab asks for the topmost layer; the clock and its calendar are
# ordinary windows that others may cover. Qt writes _NET_WM_STATE before it
# maps a window, so the request shows even without a window manager.
source "$(dirname "$0")/lib.sh"

start_clock
clock=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window"; }
tab=$(wait_window kn) || fail "no pull tab"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$clock")"
calendar=
for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [ "$w" = "$clock" ] && continue
    geometry=$(xdotool getwindowgeometry --shell "$w")
    echo "$geometry" | grep -qx "X=$X" && echo "$geometry" | grep -qx "Y=$((Y + 191))" &&
        echo "$geometry" | grep -qx 'HEIGHT=178' && calendar=$w
done
[ -n "$calendar" ] || fail "no calendar under the clock"

above() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
above "$tab" || fail "the pull tab is not above: $(xprop -id "$tab" _NET_WM_STATE)"
! above "$clock" || fail "the clock is always on top: $(xprop -id "$clock" _NET_WM_STATE)"
! above "$calendar" || fail "the calendar is always on top: $(xprop -id "$calendar" _NET_WM_STATE)"
echo "ok"
