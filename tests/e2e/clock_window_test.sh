#!/usr/bin/env bash
# The real clock: top right, no taskbar button, one instance, "Выход" ends it.
source "$(dirname "$0")/lib.sh"

start_clock
win=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window"; }
# In place once its skip-taskbar state is set, which comes with its mapping.
wait_until 50 sh -c "xprop -id $win _NET_WM_STATE | grep -q SKIP_TASKBAR"
eval "$(xdotool getwindowgeometry --shell "$win")"
width=$(screen_width)
[ "$X" -eq $((width - 191)) ] && [ "$Y" -eq 0 ] || fail "clock at $X,$Y, expected $((width - 191)),0"
[ "$WIDTH" -eq 191 ] && [ "$HEIGHT" -eq 191 ] || fail "clock is ${WIDTH}x${HEIGHT}"
states=$(xprop -id "$win" _NET_WM_STATE)
echo "$states" | grep -q SKIP_TASKBAR || fail "clock would show in a taskbar: $states"
echo "clock at $X,$Y ${WIDTH}x${HEIGHT}; $states"

# A second start tells the first to come forward and ends with 0.
(cd "$program" && timeout 20 ./chronidex) || fail "second start exited with $?"
kill -0 "$clock_pid" || fail "the first instance ended"
[ "$(xdotool search --onlyvisible --name '^chas$' | wc -l)" -eq 1 ] || fail "two clocks"

# The popup menu's last item is "Выход".
xdotool mousemove --sync $((X + 95)) $((Y + 95))
brings_up xdotool click 3
xdotool key Up Return
for _ in $(seq 50); do
    kill -0 "$clock_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$clock_pid" 2>/dev/null && fail "the clock did not end after Выход"
wait "$clock_pid" || fail "the clock ended with $?"
echo "ok"
