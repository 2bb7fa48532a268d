#!/usr/bin/env bash
# What large schedules cost: for each size, a program folder whose napom.dat
# and run.dat hold that many records each, then ScheduleBench's figures (due
# checks, the schedule list of the other-settings dialog, removing one key,
# peak memory), the command line's import of 1000 occurrences after them,
# how each grows from one size to the next, and the goals for the largest
# size.
#
#   bench/schedule.sh [size ...]     default: 1000 10000 100000
#
# Environment: CHRONIDEX_BUILD_DIR (build-bench).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}"

sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(1000 10000 100000)
build=${CHRONIDEX_BUILD_DIR:-build-bench}

# The machine is shared with other builds: stay gentle.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHRONIDEX_TESTS=OFF \
    -DCHRONIDEX_BENCHMARKS=ON >/dev/null
if ! nice -n 10 cmake --build "$build" -j2 --target chronidex ScheduleBench PrepareFolder \
    >"$build/bench-build.log" 2>&1; then
    cat "$build/bench-build.log"
    exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
results="$work/results"

for n in "${sizes[@]}"; do
    program="$work/program$n"
    tools/layout.sh "$build/src/chronidex" "$program"
    "$build/bench/PrepareFolder" "$program" --quiet --reminders "$n" --launches "$n"
    # One process per size, so the peak resident memory is that size's own.
    # The offscreen platform's note that it cannot raise a window is no news.
    "$build/bench/ScheduleBench" "$program" "$n" \
        2> >(grep -v 'does not support raise' >&2) | tee -a "$results"
    # The command line's import of a calendar whose hourly series gives the
    # most occurrences one import takes, after the size's records.
    printf '%s\r\n' BEGIN:VCALENDAR VERSION:2.0 PRODID:-//bench//EN BEGIN:VEVENT UID:bench \
        "DTSTART:$(date -u -d '-2 days' +%Y%m%dT000000Z)" RRULE:FREQ=HOURLY SUMMARY:Bench \
        END:VEVENT END:VCALENDAR >"$work/hourly.ics"
    start=$(date +%s%N)
    added=$(cd "$program" && ./chronidex import "$work/hourly.ics" 2>/dev/null)
    end=$(date +%s%N)
    echo "schedule $n import     ms=$(((end - start) / 1000000)) ($added, with the process's start)" |
        tee -a "$results"
done

# The first value of `key` in the line of this size and group.
fig() {
    awk -v s="$1" -v g="$2" -v k="$3" '$1 == "schedule" && $2 == s && $3 == g {
        for (i = 4; i <= NF; i++) { split($i, a, "="); if (a[1] == k) { print a[2]; exit } }
    }' "$results"
}
both() { awk -v a="$(fig "$1" "$2" reminders)" -v b="$(fig "$1" "$2" launches)" 'BEGIN { print a + b }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0) printf "x%.1f", b / a; else printf "x?" }'; }

for ((i = 1; i < ${#sizes[@]}; i++)); do
    a=${sizes[i - 1]} b=${sizes[i]}
    echo "schedule growth $a->$b (size $(ratio "$a" "$b")):" \
        "tick $(ratio "$(both "$a" tick)" "$(both "$b" tick)")" \
        "first_tick $(ratio "$(both "$a" first_tick)" "$(both "$b" first_tick)")" \
        "list_open $(ratio "$(fig "$a" list_open total)" "$(fig "$b" list_open total)")" \
        "remove_key $(ratio "$(both "$a" remove_key)" "$(both "$b" remove_key)")" \
        "peak_rss $(ratio "$(fig "$a" peak_rss max)" "$(fig "$b" peak_rss max)")" \
        "(tick, first_tick, remove_key: reminders and launches together)"
done

# The goals, for the largest size: each kind on its own for the due checks.
n=${sizes[${#sizes[@]} - 1]}
goal() {  # name value limit
    awk -v name="$1" -v v="$2" -v l="$3" 'BEGIN {
        printf "%s=%s<%s:%s ", name, v, l, (v != "" && v + 0 < l + 0 ? "met" : "MISSED") }'
}
echo "schedule goals $n: $(goal tick_reminders "$(fig "$n" tick reminders)" 1)$(
    goal tick_launches "$(fig "$n" tick launches)" 1)$(
    goal first_tick_reminders "$(fig "$n" first_tick reminders)" 300)$(
    goal first_tick_launches "$(fig "$n" first_tick launches)" 300)$(
    goal list_open "$(fig "$n" list_open total)" 500)$(
    goal remove_reminders "$(fig "$n" remove_key reminders)" 50)$(
    goal remove_launches "$(fig "$n" remove_key launches)" 50)$(
    goal peak_rss_mib "$(fig "$n" peak_rss max)" 100)"
