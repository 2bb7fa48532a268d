#!/usr/bin/env bash
# Calendar files between this program and programs no one here wrote. The
# export: python3-icalendar parses it, and khal imports it and lists the same
# events at the same local times, across a change to summer time
# (Europe/Paris, as Moscow has none now). The import: the files khal writes
# for its own new events become reminders at their alarms' local times.
set -euo pipefail
source "$(dirname "$0")/khal.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program/system" "$work/calendar"
export TZ=Europe/Paris
cd "$work/program"
"$CHRONIDEX_BIN" remind 10:30 24.12.2030 "Купить ёлку, потом; позвонить маме"
"$CHRONIDEX_BIN" remind 09:00 20.06.2031 "Лето"
"$CHRONIDEX_BIN" launch 08:00 24.12.2030 /bin/true
"$CHRONIDEX_BIN" export --all "$work/out.ics"
expected="2030-12-24 08:00 /bin/true
2030-12-24 10:30 Купить ёлку, потом; позвонить маме
2031-06-20 09:00 Лето"

fail() { echo "FAIL: $*"; sed 's/^/    /' "$work/out.ics"; exit 1; }

parsed=$(/usr/bin/python3 - "$work/out.ics" <<'PY'
import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
for event in sorted(calendar.walk("VEVENT"), key=lambda e: e["DTSTART"].dt):
    print(event["DTSTART"].dt.strftime("%Y-%m-%d %H:%M"), event["SUMMARY"])
PY
) || fail "python3-icalendar could not read the export"
[ "$parsed" = "$expected" ] || fail "python3-icalendar read:
$parsed"

khal_import "$work/out.ics"
listed=$(khal_list 2030-12-01 2031-12-31)
[ "$listed" = "$expected" ] || fail "khal lists:
$listed"

# khal's own files, one calendar each, with its zone definitions: an alarm
# 15 minutes ahead, an all-day event and a weekly series.
mkdir -p "$work/written" "$work/imported/system"
sed -i "s|path = $work/calendar|path = $work/written|" "$work/khal.conf"
day() { date -d "+$1 days" +%Y-%m-%d; }
new() { khal -c "$work/khal.conf" new -a home "$@" >/dev/null || fail "khal new $*"; }
new "$(day 10) 10:30" "$(day 10) 11:00" "Купить ёлку" --alarms 15m
new "$(day 11)" "Праздник"
new "$(day 14) 08:00" "$(day 14) 09:00" "Йога" -r weekly -u "$(day 29)"
cd "$work/imported"
for file in "$work"/written/*.ics; do
    "$CHRONIDEX_BIN" import "$file" >/dev/null || fail "import of khal's $(cat "$file")"
done
expected="$(day 10) 10:15 Купить ёлку
$(day 11) 09:00 Праздник
$(day 14) 08:00 Йога
$(day 21) 08:00 Йога
$(day 28) 08:00 Йога"
imported=$("$CHRONIDEX_BIN" list --reminders | cut -f2- | tr '\t' ' ' | sort)
[ "$imported" = "$expected" ] || fail "imported from khal:
$imported"
echo "ok"
