#!/usr/bin/env bash
# Due reminders through a real notification daemon (dunst) on a private
# session bus: the notification arrives with its two actions, and "later",
# invoked through dunst's own control, puts the reminder off by ten minutes;
# a daemon stopped while the notification is open, and a bus without any
# daemon, bring up the notice box instead.
source "$(dirname "$0")/lib.sh"
export TZ=UTC
command -v dunst >/dev/null && command -v dunstctl >/dev/null \
    || fail "dunst is missing (tools/packages.sh installs it)"

# A bus of the test's own, which starts no service by itself: the daemon
# runs exactly when the test runs it.
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONF
bus_info=$(dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$bus_info")
pids+=("$(sed -n 2p <<<"$bus_info")")
dbus-monitor "interface='org.freedesktop.Notifications'" >"$work/bus.log" 2>&1 &
pids+=("$!")

# dunst's context menu runs dmenu with one line per action; this stand-in
# picks the later action's line.
printf '#!/bin/sh\ngrep -m1 ",later]"\n' >"$work/dmenu.sh"
chmod +x "$work/dmenu.sh"
printf '[global]\n    dmenu = %s\n' "$work/dmenu.sh" >"$work/dunstrc"
start_dunst() {
    dunst -conf "$work/dunstrc" >"$work/dunst.log" 2>&1 &
    dunst_pid=$!
    pids+=("$dunst_pid")
    wait_until 50 dunstctl is-paused >/dev/null 2>&1 || fail "dunst did not come up"
}

printf '[options]\ndesktopNotifications=1\n' >"$program/system/options.ini"
text="Take the cake out"
# One reminder for the current minute, kept clear of the minute's end.
add_reminder_now() {
    while [ "$(date +%S)" -gt 40 ]; do sleep 1; done
    due=$(date +%s)
    { day_bytes $((due / 86400 + 25569)); short_string "$(date -d "@$due" +%H:%M)" 5
      short_string "$text" 150; head -c 3 /dev/zero; } >"$program/system/napom.dat"
}
# "HH:MM text" of each reminder in the file.
reminders() {
    python3 - "$program/system/napom.dat" <<'PY'
import sys
try:
    data = open(sys.argv[1], "rb").read()
except FileNotFoundError:
    data = b""
for i in range(0, len(data) - 167, 168):
    rec = data[i:i + 168]
    print(rec[9:9 + rec[8]].decode(), rec[15:15 + rec[14]].decode("cp1251"))
PY
}
stop_clock() {
    kill "$clock_pid" 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
}
notifications_shown() { [ "$(dunstctl count displayed 2>/dev/null)" = "$1" ]; }
no_reminder_left() { [ -z "$(reminders)" ]; }

# 1. The notification with both actions; "later" puts the reminder off.
start_dunst
add_reminder_now
start_clock
wait_until 100 notifications_shown 1 || { cat "$work/clock.log"; fail "no notification arrived"; }
grep -q 'member=Notify' "$work/bus.log" || fail "no Notify call on the bus"
for action in '"ok"' '"Ок"' '"later"' '"Отложить (10 мин)"' "\"$text\""; do
    grep -qF "$action" "$work/bus.log" || fail "the notification lacks $action"
done
grep -A1 '"urgency"' "$work/bus.log" | grep -q 'byte 2' || fail "the notification is not critical"
[ "$(reminders)" = "$(date -d "@$due" +%H:%M) $text" ] || fail "the record went before the user acted"
dunstctl action 0
later=$(date -d "@$(( due / 60 * 60 + 600 ))" +%H:%M)
put_off() { [ "$(reminders)" = "$later $text" ]; }
wait_until 100 put_off || fail "not put off to $later: $(reminders)"
grep -q 'member=ActionInvoked' "$work/bus.log" || fail "no ActionInvoked on the bus"
[ -z "$(xdotool search --onlyvisible --name '^Chronidex$' 2>/dev/null)" ] \
    || fail "a notice box came up beside the notification"
stop_clock

# 2. The daemon stops while the notification is open: the box comes up.
add_reminder_now
start_clock
wait_until 100 notifications_shown 1 || fail "no notification for the second reminder"
kill "$dunst_pid"
box=$(wait_window Chronidex) || { cat "$work/clock.log"; fail "no box after the daemon stopped"; }
[ -n "$(reminders)" ] || fail "the record went before the box was confirmed"
xdotool windowfocus --sync "$box"
xdotool key Return
wait_until 50 no_reminder_left || fail "the reminder stayed after OK: $(reminders)"
stop_clock

# 3. No daemon on the bus at all: the box.
add_reminder_now
start_clock
box=$(wait_window Chronidex) || { cat "$work/clock.log"; fail "no box without a daemon"; }
xdotool windowfocus --sync "$box"
xdotool key Return
wait_until 50 no_reminder_left || fail "the reminder stayed after OK: $(reminders)"
stop_clock
echo "ok"
