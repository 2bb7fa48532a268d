#!/usr/bin/env bash
# The running clock hears of every change to its schedule files, whoever
# made it: a `remind` run from another session (another runtime folder, as
# from cron, ssh or sudo -u, so nobody tells the clock) is shown at once. And
# a reminder added for the minute whose notice is open is not taken with
# that notice when it is dismissed: it is shown in turn, and only its own OK
# removes it.
source "$(dirname "$0")/lib.sh"
export TZ=UTC
other="$work/other-session"
mkdir -p "$other"
chmod 700 "$other"
notice() { xdotool search --onlyvisible --name '^Chronidex$' 2>/dev/null | head -n 1 || true; }
# Waits up to ten seconds for a notice other than $1; prints its id.
next_notice() {
    local box
    for _ in $(seq 100); do
        box=$(notice)
        [ -n "$box" ] && [ "$box" != "${1:-}" ] && { echo "$box"; return 0; }
        sleep 0.1
    done
    return 1
}
shown() { xdotool search --onlyvisible --name '^Chronidex$' 2>/dev/null | grep -qx "$1"; }
dismiss() {
    xdotool windowfocus --sync "$1"
    xdotool key Return
    for _ in $(seq 50); do
        shown "$1" || return 0
        sleep 0.1
    done
    fail "the notice $1 did not close"
}
records() { echo $(($(stat -c %s "$program/system/napom.dat" 2>/dev/null || echo 0) / 168)); }

# An overdue reminder: its notice shows that the clock has read the file.
{ day_bytes 45000; short_string "10:30" 5; short_string "Shown at the start" 150; head -c 3 /dev/zero; } \
    >"$program/system/napom.dat"
start_clock
start=$(next_notice) || { cat "$work/clock.log"; fail "no notice for the overdue reminder"; }
dismiss "$start"
wait_until 50 test ! -e "$program/system/napom.dat" || fail "the overdue reminder is still in napom.dat"

# Both reminders are for the current minute: keep well clear of its end.
while [ "$(date +%S)" -gt 20 ]; do sleep 1; done
now=$(date +%H:%M)
(cd "$program" && env -u DISPLAY XDG_RUNTIME_DIR="$other" ./chronidex remind "$now" "From another session") ||
    fail "remind from another session exited with $?"
first=$(next_notice) || { cat "$work/clock.log"; fail "the clock did not notice a reminder added from another session"; }
[ "$(records)" -eq 1 ] || fail "napom.dat holds $(records) records while the first notice is open"

# While that notice is open, a second reminder for the same minute.
(cd "$program" && env -u DISPLAY ./chronidex remind "$now" "Same minute, added later") ||
    fail "the second remind exited with $?"
[ "$(records)" -eq 2 ] || fail "napom.dat holds $(records) records, not the two reminders"
dismiss "$first"
second=$(next_notice "$first") ||
    { cat "$work/clock.log"; fail "the reminder added while the first notice was open was not shown (napom.dat: $(records) records)"; }
[ "$(records)" -eq 1 ] || fail "napom.dat holds $(records) records while the second notice is open"
grep -q "Same minute, added later" "$program/system/napom.dat" ||
    fail "the record left is not the reminder added later"
dismiss "$second"
wait_until 50 test ! -e "$program/system/napom.dat" || fail "the reminders shown are still in napom.dat"
[ -z "$(notice)" ] || fail "a third notice came"
kill -0 "$clock_pid" || fail "the clock ended"
echo "ok"
