#!/usr/bin/env bash
# The real clock read as a screen reader reads it, over AT-SPI (python3-pyatspi
# on at-spi2-core's bus), and driven from the keyboard alone: the notice of
# an overdue reminder, the time, the calendar's days, the pull tab's press,
# the menu opened by the menu key after a second start gave the clock the
# focus, every dialog's controls named, and a reminder added without the
# mouse. Then once more in English.
if [ -z "${CHRONIDEX_A11Y_BUS:-}" ]; then
    # A session bus of its own, which the accessibility bus hangs on.
    exec dbus-run-session -- env CHRONIDEX_A11Y_BUS=1 bash "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_until 100 bus_up || fail "no accessibility bus"
# Qt serves AT-SPI when a reader asks for it; here no reader asks first.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# The time as the C locale writes it, "14:05".
export CHRONIDEX_LOCALE=C.UTF-8

# Auto-hide off (byte 57): the clock leaves home only by the tab.
printf '\x00' | dd of="$program/system/system.ini" bs=1 seek=57 conv=notrunc status=none
# A holiday this month on the first Monday, which no Sunday marks already.
read -r year month holiday today_days < <(/usr/bin/python3 -c '
import datetime
t = datetime.date.today()
d = next(d for d in range(1, 8) if datetime.date(t.year, t.month, d).weekday() == 0)
print(t.year, t.month, d, (t - datetime.date(1899, 12, 30)).days)')
printf '%d\r\n' "$holiday" >"$program/prazdniki/$month.prz"
# A reminder of today that fell due at midnight: its notice greets the start.
overdue="Overdue since midnight"
{
    day_bytes "$today_days"
    short_string "00:00" 5
    short_string "$overdue" 150
    head -c 3 /dev/zero # the record's tail: 8 + 6 + 151 + 3 = 168 bytes
} >"$program/system/napom.dat"
[ "$(stat -c %s "$program/system/napom.dat")" -eq 168 ] || fail "the test's reminder is no record"

second_start="cd '$program' && ./chronidex"
check() {
    /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$@" \
        || { cat "$work/clock.log"; fail "accessibility.py $1"; }
}

start_clock
typed="Reminder typed at $(date +%H%M%S)"
check first "$second_start" rus "$holiday" "$overdue" "$typed"
wait_until 50 grep -aq "$typed" "$program/system/napom.dat" \
    || fail "the reminder typed is not in napom.dat"
echo "the typed reminder is in napom.dat"

kill "$clock_pid"
wait "$clock_pid" 2>/dev/null || true
printf '[Lang]\r\nLang=eng\r\n' >"$program/system/lang.ini"
start_clock
check again "$second_start" eng "$holiday" "$typed"
echo "ok"
