#!/usr/bin/env bash
# Auto-hide of the real clock: a pointer left on the face after the pull tab
# brought the clock back holds it at home, and so does the open popup menu,
# whose closing starts the idle count afresh. Without the pull tab the
# pointer at the top of the right screen edge brings the clock back.
source "$(dirname "$0")/lib.sh"

delay=2
# The settings record: the idle delay (int32 at byte 52), auto-hide on (57),
# the pull tab shown (58: "no pull tab" off).
settings="$program/system/system.ini"
printf "\\x$(printf %02x $delay)\\x00\\x00\\x00" | dd of="$settings" bs=1 seek=52 conv=notrunc status=none
printf '\x01\x00' | dd of="$settings" bs=1 seek=57 conv=notrunc status=none

start_clock
win=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window"; }
width=$(screen_width)
home=$((width - 191))
clock_x() { xdotool getwindowgeometry --shell "$win" | sed -n 's/^X=//p'; }
mapped() { xwininfo -id "$win" | grep -q IsViewable; }
# Waits up to $1 tenths of a second for the clock to be away (unmapped, as
# nothing of it is left on the screen); fails otherwise.
wait_away() {
    for _ in $(seq "$1"); do
        mapped || return 0
        sleep 0.1
    done
    fail "the clock did not slide away; it is at $(clock_x)"
}
expect_home() {
    mapped && [ "$(clock_x)" -eq "$home" ] || fail "$1: the clock is at $(clock_x), not $home"
}

# Away from the face, the clock leaves after the delay.
xdotool mousemove --sync 100 500
wait_away $(((delay + 4) * 10))

# The tab sticks out at the screen edge, 20 pixels below the clock's top.
xdotool mousemove --sync $((width - 5)) 40
xdotool click 1
at_home() { mapped && [ "$(clock_x)" -eq "$home" ]; }
wait_until 50 at_home # the slide back, 13 steps of 75 ms
expect_home "after the tab click"
sleep $((delay + 2))
expect_home "with the pointer left on the face"
echo "the pointer on the face holds the clock"

# The popup menu opens under the pointer, which then moves off the face: the
# open menu holds the clock.
xdotool mousemove --sync $((home + 95)) 95
brings_up xdotool click 3
xdotool mousemove --sync 100 500
sleep $((delay + 2))
expect_home "with the menu open"
xdotool key Escape
closed=$(date +%s%N)
sleep $((delay - 1))
expect_home "$((delay - 1)) s after the menu closed"
wait_away $(((delay + 3) * 10))
after=$((($(date +%s%N) - closed) / 1000000))
[ "$after" -ge $((delay * 1000)) ] || fail "away $after ms after the menu closed"
echo "away $after ms after the menu closed"

# Without the pull tab: the settings are read at the start.
kill "$clock_pid"
wait "$clock_pid" 2>/dev/null || true
printf '\x01' | dd of="$settings" bs=1 seek=58 conv=notrunc status=none
start_clock
win=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window without the tab"; }
calendar=$(wait_window kol) || fail "no calendar window"
reach=$(( $(xdotool getwindowgeometry --shell "$calendar" | sed -n 's/^Y=//p') +
          $(xdotool getwindowgeometry --shell "$calendar" | sed -n 's/^HEIGHT=//p') - 1 ))
xdotool mousemove --sync 100 500
wait_away $(((delay + 4) * 10))
# Beside the edge, and at the edge below the calendar: the clock stays away.
xdotool mousemove --sync $((width - 6)) 40
xdotool mousemove --sync $((width - 1)) $((reach + 2))
sleep 1
mapped && fail "the clock came back with the pointer off the edge"
xdotool mousemove --sync $((width - 3)) $((reach - 1))
wait_until 50 at_home || fail "the edge did not bring the clock back; it is at $(clock_x)"
echo "the edge brings the clock back"
echo "ok"
