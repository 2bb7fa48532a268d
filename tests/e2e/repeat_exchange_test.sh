#!/usr/bin/env bash
# Repeating reminders through calendar files. Each rule is exported as an
# RRULE that python3-icalendar parses and python-dateutil expands, and that
# khal imports and lists, to exactly the days the rule picks over the next
# year and more (the 31st in shorter months, 29 February), at the same local
# time across the changes of summer time (Europe/Paris); imported again, the
# file gives the same repeating reminders, not a year of single ones.
set -euo pipefail
source "$(dirname "$0")/khal.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/program/system" "$work/calendar" "$work/back/system"
export TZ=Europe/Paris
fail() { echo "FAIL: $*"; sed 's/^/    /' "$work/out.ics"; exit 1; }

# The rules, each at a day of the coming weeks that shows its edge: a 31st,
# a 30th, a 29th.
/usr/bin/python3 - >"$work/rules" <<'PY'
import datetime
today = datetime.date.today()
def next_day(day_of_month):
    d = today + datetime.timedelta(days=1)
    while d.day != day_of_month:
        d += datetime.timedelta(days=1)
    return d
tomorrow = today + datetime.timedelta(days=1)
for rule, day in [("daily", tomorrow), ("workdays", tomorrow), ("weekly", tomorrow),
                  ("monthly", next_day(31)), ("monthly", next_day(30)),
                  ("monthly", next_day(29)), ("monthly", next_day(5)),
                  ("yearly", tomorrow)]:
    print(rule, day.strftime("%d.%m.%Y"))
PY
cd "$work/program"
while read -r rule day; do
    "$CHRONIDEX_BIN" remind 07:45 "$day" --repeat "$rule" "$rule $day"
done <"$work/rules"
"$CHRONIDEX_BIN" export "$work/out.ics"

# What each rule must give from its day over 400 days, by the rule itself.
expect() {
    /usr/bin/python3 - "$work/rules" <<'PY'
import calendar, datetime, sys
for line in open(sys.argv[1]):
    rule, text = line.split()
    d0 = datetime.datetime.strptime(text, "%d.%m.%Y").date()
    for n in range(400):
        d = d0 + datetime.timedelta(days=n)
        last = calendar.monthrange(d.year, d.month)[1]
        ok = {"daily": True, "workdays": d.weekday() < 5, "weekly": d.weekday() == d0.weekday(),
              "monthly": d.day == min(d0.day, last),
              "yearly": d.month == d0.month and d.day == min(d0.day, last)}[rule]
        if ok:
            print(d.strftime("%Y-%m-%d") + " 07:45 " + rule + " " + text)
PY
}
expected=$(expect | sort)
span_end=$(date -d "+398 days" +%Y-%m-%d)
expected=$(echo "$expected" | awk -v end="$span_end" '$1 <= end')

parsed=$(/usr/bin/python3 - "$work/out.ics" "$span_end" <<'PY' | sort
import datetime, sys, icalendar
from dateutil.rrule import rrulestr
end = datetime.datetime.strptime(sys.argv[2], "%Y-%m-%d").date()
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
for event in calendar.walk("VEVENT"):
    start = event["DTSTART"].dt
    rule = rrulestr(event["RRULE"].to_ical().decode(), dtstart=start.replace(tzinfo=None))
    for at in rule:
        if at.date() > end:
            break
        print(at.strftime("%Y-%m-%d %H:%M"), event["SUMMARY"])
PY
) || fail "python3-icalendar could not read the export"
[ "$parsed" = "$expected" ] || fail "python-dateutil expands the RRULEs to:
$(diff <(echo "$expected") <(echo "$parsed") | head -20)"

khal_import "$work/out.ics"
listed=$(khal_list "$(date +%Y-%m-%d)" "$span_end" | sort)
[ "$listed" = "$expected" ] || fail "khal lists:
$(diff <(echo "$expected") <(echo "$listed") | head -20)"

# Back in: one repeating reminder for each, as they were.
cd "$work/back"
"$CHRONIDEX_BIN" import "$work/out.ics" >"$work/import.out" || fail "import: $(cat "$work/import.out")"
before=$(cd "$work/program" && "$CHRONIDEX_BIN" list --reminders | sort)
after=$("$CHRONIDEX_BIN" list --reminders | sort)
[ "$after" = "$before" ] || fail "imported back:
$after
instead of
$before"
echo "ok: $(echo "$expected" | wc -l) occurrences alike"
