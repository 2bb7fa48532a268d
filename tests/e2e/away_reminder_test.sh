#!/usr/bin/env bash
# A reminder added from the command line while the clock is slid away, with
# nothing of it on the screen, is shown at its minute: the sleeping clock
# reads the schedule when asked to and wakes for the minute.
source "$(dirname "$0")/lib.sh"
export TZ=UTC
notice() { xdotool search --onlyvisible --name '^Chronidex$' 2>/dev/null | head -n 1 || true; }

start_clock
win=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window"; }
tab=$(wait_window kn) || fail "no pull tab"
eval "$(xdotool getwindowgeometry --shell "$tab")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
xdotool mousemove --sync 100 500
away() { ! xwininfo -id "$win" | grep -q IsViewable; }
wait_until 50 away || fail "the clock did not slide away"

while [ "$(date +%S)" -gt 50 ]; do sleep 1; done
due=$(( ($(date +%s) / 60 + 1) * 60 ))
(cd "$program" && env -u DISPLAY ./chronidex remind "$(date -d "@$due" +%H:%M)" \
    "$(date -d "@$due" +%d.%m.%Y)" "Away test reminder") || fail "chronidex remind exited with $?"
[ -z "$(notice)" ] || fail "a notice is shown before the reminder's minute"
box=
for _ in $(seq 75); do
    box=$(notice)
    [ -n "$box" ] && break
    sleep 1
done
[ -n "$box" ] || { cat "$work/clock.log"; fail "the clock slid away did not show the reminder"; }
[ "$(date +%s)" -ge "$due" ] || fail "the reminder came before its minute"
away || fail "the notice brought the clock back"
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 50); do [ -e "$program/system/napom.dat" ] || break; sleep 0.1; done
[ -e "$program/system/napom.dat" ] && fail "the shown reminder is still in napom.dat"
kill -0 "$clock_pid" || fail "the clock ended"
echo "ok"
