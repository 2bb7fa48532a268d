#!/usr/bin/env bash
# The export read by programs no one here wrote: python3-icalendar parses it,
# and khal imports it and lists the same events at the same local times,
# across a change to summer time (Europe/Paris, as Moscow has none now).
set -euo pipefail
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

cat >"$work/khal.conf" <<CONF
[calendars]
[[home]]
path = $work/calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
default_timezone = Europe/Paris
local_timezone = Europe/Paris
[sqlite]
path = $work/khal.db
CONF
khal -c "$work/khal.conf" import --batch -a home "$work/out.ics" || fail "khal refused the export"
listed=$(khal -c "$work/khal.conf" list --format "{start} {title}" --day-format "" \
    2030-12-01 2031-12-31 | sed '/^$/d')
[ "$listed" = "$expected" ] || fail "khal lists:
$listed"
echo "ok"
