#!/usr/bin/env bash
# The nightly restart with a reminder's notice open: the restart closes the
# notice unread, so its reminder stays in napom.dat, whole, and the restarted
# clock shows it again as overdue; only that notice's OK removes it. The clock
# runs on a clock shifted by libfaketime, to reach midnight seconds after its
# start; the instance the restart starts inherits the shift.
source "$(dirname "$0")/lib.sh"
export TZ=UTC
faketime_lib=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n 1)
[ -n "$faketime_lib" ] || fail "libfaketime is missing (tools/packages.sh installs it)"

# Twenty seconds before the next midnight, and the day that ends there.
now=$(date +%s)
shift=$(((now / 86400 + 1) * 86400 - 20 - now))
day=$(((now + shift) / 86400 + 25569))
{ day_bytes "$day"; short_string "23:50" 5; short_string "Read me after the restart" 150; head -c 3 /dev/zero; } \
    >"$program/system/napom.dat"
cp "$program/system/napom.dat" "$work/before.dat"

(cd "$program" && exec env LD_PRELOAD="$faketime_lib" FAKETIME="+${shift}s" ./chronidex) \
    >"$work/clock.log" 2>&1 &
clock_pid=$!
pids+=("$clock_pid")
wait_window Chronidex >/dev/null || { cat "$work/clock.log"; fail "no notice for the overdue reminder"; }

# Midnight: the instance whose notice is open ends...
for _ in $(seq 400); do
    kill -0 "$clock_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$clock_pid" 2>/dev/null && { cat "$work/clock.log"; fail "the clock did not restart at midnight"; }
# ... and starts another, which the cleanup ends too.
clock=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock after the restart"; }
restarted=$(xdotool getwindowpid "$clock")
pids+=("$restarted")
[ "$restarted" != "$clock_pid" ] || fail "the clock window is still the old instance's"
cmp -s "$program/system/napom.dat" "$work/before.dat" ||
    fail "the restart took the reminder whose notice nobody read ($(stat -c %s "$program/system/napom.dat" 2>/dev/null || echo 0) bytes left)"

# The restarted clock shows the reminder again.
box=$(wait_window Chronidex) || { cat "$work/clock.log"; fail "the restarted clock did not show the reminder"; }
cmp -s "$program/system/napom.dat" "$work/before.dat" || fail "napom.dat changed before the notice was read"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_until 50 test ! -e "$program/system/napom.dat" || fail "the reminder read after the restart is still in napom.dat"
kill -0 "$restarted" || fail "the restarted clock ended"
echo "ok"
