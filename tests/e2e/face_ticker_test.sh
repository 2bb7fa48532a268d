#!/usr/bin/env bash
# In view, with nothing due, the second hand moves on the screen while the
# program's own thread sleeps; a clock window covered and uncovered shows
# the present time again.
source "$(dirname "$0")/lib.sh"

# Auto-hide off (byte 57 of the settings record): its idle count would wake
# the program every second.
printf '\x00' | dd of="$program/system/system.ini" bs=1 seek=57 conv=notrunc status=none
start_clock
win=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window"; }
shot() { xwd -id "$win" -silent | tail -c +2000 | md5sum; }
main_switches() { awk '/^voluntary_ctxt_switches:/ { print $2 }' "/proc/$clock_pid/status"; }
sleep 3

before=$(main_switches)
first=$(shot)
sleep 2.2
second=$(shot)
after=$(main_switches)
[ "$first" != "$second" ] || fail "the face did not change in two seconds"
# One wake for a message from the X server would be allowed; every second
# would be two or more.
[ $((after - before)) -le 1 ] || fail "the program's thread woke $((after - before)) times in 2.2 s"
echo "face changed; the program's thread woke $((after - before)) times"

# A window over the clock and away again: the X server asks the clock to
# paint what was covered (no compositor here), from Qt's copy of the face,
# which is older than what the ticker drew. What comes back must be the
# present hands: one second hand (the only red of the supplied face), not
# a second one left from Qt's last paint.
red_pixels() {
    import -window "$win" -depth 8 rgb:- | python3 -c '
import sys
d = sys.stdin.buffer.read()
print(sum(1 for i in range(0, len(d) - 2, 3) if d[i] > 180 and d[i + 1] < 80 and d[i + 2] < 80))'
}
seen=()
for _ in 1 2 3 4 5; do
    seen+=("$(red_pixels)")
    sleep 0.5
done
most=$(printf '%s\n' "${seen[@]}" | sort -n | tail -1)
# Under the minute or hour hand the second hand may hide for a moment.
[ "$most" -gt 20 ] || fail "no second hand on the face: ${seen[*]} red pixels"
eval "$(xdotool getwindowgeometry --shell "$win")"
xclock -geometry "191x191+$X+$Y" -update 1 &
cover=$!
pids+=("$cover")
wait_until 50 sh -c "xdotool search --onlyvisible --name '^xclock\$' >/dev/null"
sleep 1.2
kill "$cover"
wait "$cover" 2>/dev/null || true
# A stale hand would stay in every look; the hand passing under another
# only lowers the count.
after=()
for _ in 1 2 3; do
    sleep 0.4
    after+=("$(red_pixels)")
done
least=$(printf '%s\n' "${after[@]}" | sort -n | head -1)
[ "$least" -le $((most * 3 / 2)) ] ||
    fail "${after[*]} red pixels after the cover went, at most $most before: a stale second hand"
kill -0 "$clock_pid" || fail "the clock ended"
echo "ok"
