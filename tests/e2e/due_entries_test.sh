#!/usr/bin/env bash
# A reminder that fell due while the program was not running is reported at
# the start and removed after OK; a launch due this minute is started.
source "$(dirname "$0")/lib.sh"
export TZ=UTC

marker="$work/launched"
printf '#!/bin/sh\ntouch "%s"\n' "$marker" >"$work/job.sh"
chmod +x "$work/job.sh"

# Keep clear of a minute's end so that "this minute" stays this minute.
while [ "$(date +%S)" -gt 45 ]; do sleep 1; done
today=$(( $(date +%s) / 86400 + 25569 ))
{ day_bytes 45000; short_string "10:30" 5; short_string "Overdue test reminder" 150; head -c 3 /dev/zero; } \
    >"$program/system/napom.dat"
{ day_bytes "$today"; short_string "$(date +%H:%M)" 5; short_string "$work/job.sh" 250; head -c 7 /dev/zero; } \
    >"$program/system/run.dat"
[ "$(stat -c %s "$program/system/napom.dat")" -eq 168 ] || fail "reminder record size"
[ "$(stat -c %s "$program/system/run.dat")" -eq 272 ] || fail "launch record size"

start_clock
box=$(wait_window Chronidex) || { cat "$work/clock.log"; fail "no notice for the overdue reminder"; }
for _ in $(seq 50); do [ -e "$marker" ] && break; sleep 0.1; done
[ -e "$marker" ] || fail "the launch did not start while the notice was open"
[ -e "$program/system/napom.dat" ] || fail "the reminder went before the notice was dismissed"
xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 50); do [ -e "$program/system/napom.dat" ] || break; sleep 0.1; done
[ -e "$program/system/napom.dat" ] && fail "the reminder is still in napom.dat after OK"
[ -e "$program/system/run.dat" ] && fail "the launch is still in run.dat"
[ -e "$program/system/nappr.dat" ] && fail "a scratch file remains"
kill -0 "$clock_pid" || fail "the clock ended"
echo "ok"
