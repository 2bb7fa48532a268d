#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer) in their own build folder and runs each for SECONDS (default 10),
# starting from the files in data/ and tests/data/ copied to a scratch corpus.
# Prints per target the runs, the rate and whether it found anything; exits
# non-zero when any target found a crash, leak, timeout or memory blow-up.
#   fuzz/run.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source tools/packages.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" "${CHRONIDEX_FUZZ_PACKAGES[@]}"

seconds=${1:-10}
shift || true
build=${CHRONIDEX_FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DCHRONIDEX_TESTS=OFF -DCHRONIDEX_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_targets >"$build/fuzz-build.log" 2>&1 || {
    tail -n 40 "$build/fuzz-build.log"
    exit 1
}

# The seeds of each target: the supplied files and the test fixtures it reads.
declare -A seeds=(
    [settings_record_fuzz]="data/system/system.ini"
    [reminders_fuzz]="tests/data/scheduler/*"
    [launches_fuzz]="tests/data/scheduler/*"
    [language_sections_fuzz]="data/lang/*.lng tests/data/locale/*.lng tests/data/calendar/*.lng"
    [language_tables_fuzz]="data/lang/*.lng tests/data/locale/*.lng tests/data/calendar/*.lng"
    [lang_ini_fuzz]=""
    [skin_description_fuzz]="data/skins/*.skn tests/data/clockface/*.skn"
    [holiday_file_fuzz]="data/prazdniki/*.prz tests/data/calendar/*.prz"
    [pull_tab_region_fuzz]="data/skins/*kn?.bmp data/system/*.bmp tests/data/autohide/*.bmp"
    [face_bitmap_fuzz]="data/skins/*.bmp tests/data/clockface/*.bmp"
    [about_jpeg_fuzz]="src/desktop/ui/about.jpg tests/data/desktop/*.jpg"
    # Less the long series, which take a second each and would leave the
    # short run little else; with the rules that name no time and the one
    # by the second that spends its share of the steps (rules-never.ics,
    # rule-budget.ics), and the nesting made below.
    [ical_import_fuzz]="$(ls tests/data/ical/* | grep -v -e /secondly.ics -e /hourly.ics |
        tr '\n' ' ')"
)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && mapfile -t targets < <(printf '%s\n' "${!seeds[@]}" | sort)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/chronidex-fuzz.XXXXXX")
export TMPDIR=$scratch/tmp
mkdir -p "$TMPDIR"
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$root/tools/lsan.supp:print_suppressions=0"

found=0
printf '%-24s %10s %10s  %s\n' target runs exec/s result
for target in "${targets[@]}"; do
    [ -v "seeds[$target]" ] || { echo "unknown target: $target"; exit 2; }
    corpus=$scratch/corpus/$target
    mkdir -p "$corpus" "$scratch/findings"
    for file in ${seeds[$target]}; do
        [ -f "$file" ] && cp "$file" "$corpus/"
    done
    if [ "$target" = lang_ini_fuzz ]; then
        # No lang.ini is supplied; these are the forms the installer writes.
        printf '[Lang]\r\nLang=eng\r\n' >"$corpus/eng.ini"
        printf '[lang]\nlang=fre\n' >"$corpus/fre.ini"
        printf '[Lang]\nLang=rus, eng\n' >"$corpus/list.ini"
    fi
    if [ "$target" = ical_import_fuzz ]; then
        # Components nested just past the depth the import takes.
        {
            printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//seed//seed//EN\r\n'
            for _ in $(seq 33); do printf 'BEGIN:VEVENT\r\n'; done
            for _ in $(seq 33); do printf 'END:VEVENT\r\n'; done
            printf 'END:VCALENDAR\r\n'
        } >"$corpus/nested.ics"
    fi
    log=$scratch/$target.log
    status=0
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$scratch/findings/$target-" \
        "$corpus" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    artifacts=$(find "$scratch/findings" -name "$target-*" | sort)
    if [ "$status" -eq 0 ] && [ -z "$artifacts" ]; then
        result=clean
    else
        found=1
        kinds=$(for a in $artifacts; do basename "$a" | sed "s/^$target-//; s/-.*//"; done |
            sort -u | tr '\n' ' ')
        result="FOUND ${kinds:-exit $status} (log $log)"
    fi
    printf '%-24s %10s %10s  %s\n' "$target" "${runs:-?}" "${rate:-?}" "$result"
done

if [ "$found" -ne 0 ]; then
    echo "Findings and logs are kept in $scratch/findings and $scratch"
    exit 1
fi
rm -rf "$scratch"
