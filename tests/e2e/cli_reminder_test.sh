#!/usr/bin/env bash
# Reminders added from the command line while the clock runs, one by
# `remind` and one by `import` of an iCalendar file, are shown by that clock
# at their minute, without a restart; the commands need no display and
# leave the clock alone otherwise.
source "$(dirname "$0")/lib.sh"
export TZ=UTC
# The first notice shown, if any.
notice() { xdotool search --onlyvisible --name '^Chronidex$' 2>/dev/null | head -n 1 || true; }

start_clock
wait_window chas >/dev/null || { cat "$work/clock.log"; fail "no clock window"; }

# Due at the next minute boundary; close to a minute's end, the one after.
while [ "$(date +%S)" -gt 50 ]; do sleep 1; done
due=$(( ($(date +%s) / 60 + 1) * 60 ))
time=$(date -d "@$due" +%H:%M)
day=$(date -d "@$due" +%d.%m.%Y)

(cd "$program" && env -u DISPLAY ./chronidex remind "$time" "$day" "CLI test reminder") ||
    fail "chronidex remind exited with $?"
[ "$(stat -c %s "$program/system/napom.dat")" -eq 168 ] || fail "reminder record size"
printf '%s\r\n' BEGIN:VCALENDAR VERSION:2.0 PRODID:-//e2e//EN BEGIN:VEVENT UID:e2e@test \
    "DTSTART:$(date -u -d "@$due" +%Y%m%dT%H%M%SZ)" "SUMMARY:Imported test reminder" \
    END:VEVENT END:VCALENDAR >"$work/due.ics"
(cd "$program" && env -u DISPLAY ./chronidex import "$work/due.ics" >/dev/null) ||
    fail "chronidex import exited with $?"
[ "$(stat -c %s "$program/system/napom.dat")" -eq 336 ] || fail "imported record size"
(cd "$program" && env -u DISPLAY ./chronidex list --reminders) | grep -q "CLI test reminder" ||
    fail "the reminder is not listed"
[ -z "$(notice)" ] ||
    fail "a notice is shown before the reminder's minute"

box=
for _ in $(seq 75); do
    box=$(notice)
    [ -n "$box" ] && break
    sleep 1
done
[ -n "$box" ] || { cat "$work/clock.log"; fail "the running clock did not show the reminder"; }
[ "$(date +%s)" -ge "$due" ] || fail "the reminder came before its minute"
kill -0 "$clock_pid" || fail "the clock ended"

# One notice after the other, the imported one too.
for n in 1 2; do
    for _ in $(seq 50); do
        box=$(notice)
        [ -n "$box" ] && break
        sleep 0.1
    done
    [ -n "$box" ] || { cat "$work/clock.log"; fail "notice $n of 2 is not shown"; }
    xdotool windowfocus --sync "$box"
    xdotool key Return
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^Chronidex$' 2>/dev/null | grep -qx "$box" || break
        sleep 0.1
    done
done
for _ in $(seq 50); do [ -e "$program/system/napom.dat" ] || break; sleep 0.1; done
[ -e "$program/system/napom.dat" ] && fail "the shown reminder is still in napom.dat"
echo "ok"
