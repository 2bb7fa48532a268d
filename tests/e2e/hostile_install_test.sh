#!/usr/bin/env bash
# The real clock in program folders damaged as a disk, an old version or a
# careless edit leaves them: each file of the four folders missing, empty,
# cut short, random, a folder or a pipe under its name, unreadable; values
# beyond the ranges of the records; whole folders missing; a read-only folder;
# a huge skin picture. Each start must reach the clock, or say in one sentence
# why not and end non-zero; never hang, spin or crash; and leave every
# schedule and holiday file it did not fire as it was.
source "$(dirname "$0")/lib.sh"
export TZ=UTC LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
fixtures() { python3 "$here/hostile_fixtures.py" "$@"; }

# Root reads every file whatever its mode: as root the cases run as nobody,
# so that an unreadable file or a read-only folder is one.
runner=()
owner=
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null; then
        runner=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
        owner=65534:65534
        chmod 755 "$work"
    else
        echo "running as root without setpriv: the unreadable and read-only cases are skipped"
    fi
fi
can_deny() { [ "$(id -u)" -ne 0 ] || [ -n "$owner" ]; }
# The sanitized suite names its leak suppressions by a path in the checkout,
# which that user may not be able to reach (a checkout in a private folder):
# a copy beside the cases is read instead.
if [ -n "$owner" ] && [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$work/lsan.supp"
    chmod 644 "$work/lsan.supp"
    LSAN_OPTIONS=${LSAN_OPTIONS/suppressions=${BASH_REMATCH[1]}/suppressions=$work/lsan.supp}
    export LSAN_OPTIONS
fi

pristine="$work/pristine"
cp -a "$program" "$pristine"
fixtures schedules "$pristine"
month=$(date +%-m)
other_month=$((month % 12 + 1))
printf '[Lang]\r\nLang=eng\r\n' >"$work/lang.ini"

# --- the damages, run inside the case's program folder ---
damage() {
    local how=$1 file=$2
    case $how in
        missing) rm -rf "$file" ;;
        empty) : >"$file" ;;
        truncated) head -c $(($(stat -c %s "$file") / 2)) "$file" >"$file.cut" && mv "$file.cut" "$file" ;;
        random) fixtures random "$file" "$(cksum <<<"$file" | cut -d' ' -f1)" ;;
        folder) rm -f "$file" && mkdir -p "$file/inside" ;;
        fifo) rm -f "$file" && mkfifo "$file" ;;
        unreadable) chmod 000 "$file" ;;
    esac
}

names=()
commands=()
# HOSTILE_ONLY, a regular expression, picks cases by name while mending one.
add() {
    [[ $1 =~ ${HOSTILE_ONLY:-.} ]] || return 0
    names+=("$1")
    commands+=("$2")
}

files=(system/system.ini system/napom.dat system/run.dat system/lang.ini "lang/Русский.lng"
    lang/English.lng skins/Classic.skn skins/Classic.bmp skins/Classickno.bmp
    skins/Classicknz.bmp skins/Classic.wav "prazdniki/$month.prz" "prazdniki/$other_month.prz")
for file in "${files[@]}"; do
    for how in missing empty truncated random folder fifo unreadable; do
        prepare=
        if [ "$file" = system/lang.ini ]; then
            [ "$how" = missing ] && continue  # the ordinary case
            prepare="cp '$work/lang.ini' system/lang.ini && "
        fi
        if [ "$how" = unreadable ] && ! can_deny; then
            echo "skipped $file unreadable: root reads every file"
            continue
        fi
        add "$file $how" "$prepare damage $how '$file'"
    done
done
for what in lang-length skin-length delay-negative delay-huge flags restart-flag names-cp1251 \
    short-skin-name; do
    add "system.ini $what" "fixtures settings . $what"
done
for what in dates times lengths; do
    add "napom.dat $what out of range" "fixtures reminders . $what"
    add "run.dat $what out of range" "fixtures launches . $what"
done
add "prazdniki days and months out of range" "fixtures holidays ."
add "lang.ini unknown code" "printf '[LANG]\r\nlang=xyz,abc\r\n' >system/lang.ini"
for folder in system lang skins prazdniki; do
    add "$folder folder missing" "rm -rf $folder"
done
add "every folder missing" "rm -rf system lang skins prazdniki"
if can_deny; then
    add "read-only program folder" "chmod -R a-w ."
else
    echo "skipped the read-only program folder: root writes anywhere"
fi
add "face bitmap 10000x10000" "fixtures bitmap skins/Classic.bmp 10000 10000"
add "pull-tab bitmap 10000x10000" "fixtures bitmap skins/Classickno.bmp 10000 10000"

# --- running the cases, a few at a time ---
# Checksums of the schedule and holiday files, one "sum  name" line each.
sums() {
    # A folder the case took away is no fault of find's.
    (cd "$1" && { find system prazdniki -maxdepth 1 -type f \
        \( -name napom.dat -o -name run.dat -o -name '*.prz' \) -exec sha256sum {} + 2>/dev/null ||
        true; } | sort -k2)
}
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The lines the program writes to standard error beside each box. Every one
# must be filled in; the one that says why the clock does not start must be
# one plain sentence: a capital at the start, one full stop at the end, no
# second sentence (file names in «» do not count).
one_sentence() {
    local text=${1#chronidex: } start='^[[:upper:]«]' end='[^.:,; ][.!?]$'
    local second='[.!?] +[[:upper:]]|\\n'
    text=$(sed 's/«[^»]*»/«»/g' <<<"$text")
    [[ $text =~ $start ]] && [[ $text =~ $end ]] && ! [[ $text =~ $second ]]
}
filled_in() {
    local slip='%[0-9]|\(\)|«»|: *\.$|^chronidex: *$'
    ! [[ $1 =~ $slip ]]
}

declare -A pid phase started clocked cpu0 boxes result signalled spun start_box ended
start_case() {
    local i=$1 dir="$work/case$1"
    rm -rf "$dir"
    mkdir -p "$dir/home" "$dir/run"
    cp -a "$pristine" "$dir/chronidex"
    (cd "$dir/chronidex" && eval "${commands[$i]}" && fixtures expect .) >"$dir/prepare.log" 2>&1 ||
        { result[$i]="FAULT: the damage could not be made ($(tr '\n' ' ' <"$dir/prepare.log"))"; return 1; }
    sums "$dir/chronidex" >"$dir/before"
    if [ -n "$owner" ]; then
        chown -R -h "$owner" "$dir/home" "$dir/run"
        # Ownership first, the damaged modes stay as the damage set them.
        chown -R -h "$owner" "$dir/chronidex"
    fi
    chmod 700 "$dir/run"
    (cd "$dir/chronidex" && HOME="$dir/home" XDG_RUNTIME_DIR="$dir/run" \
        XDG_CONFIG_HOME="$dir/home/.config" exec "${runner[@]}" ./chronidex) >"$dir/log" 2>&1 &
    pid[$i]=$!
    pids+=("${pid[$i]}")
    phase[$i]=starting
    started[$i]=$(now_ms)
    boxes[$i]=0
}

# Presses Return on the newest message box of the case: one box may open
# inside another's wait, and only the innermost takes keys. The calendar shares
# the title and is told apart by its size.
close_boxes() {
    local i=$1 id newest=
    for id in $(xdotool search --all --onlyvisible --pid "${pid[$i]}" --name '^Chronidex$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        [ "$WIDTH" -eq 191 ] && [ "$HEIGHT" -eq 178 ] && continue
        [ -z "$newest" ] || [ "$id" -gt "$newest" ] && newest=$id
    done
    [ -n "$newest" ] || return 1
    xdotool windowfocus --sync "$newest" key Return 2>/dev/null || true
    boxes[$i]=$((boxes[$i] + 1))
    return 0
}

finish_case() {
    local i=$1 rc=$2 how=$3 dir="$work/case$1" line fault=
    local said=
    while IFS= read -r line; do
        filled_in "$line" || fault+="; a message not filled in: ${line#chronidex: }"
        one_sentence "$line" && said=1
    done < <(grep '^chronidex: ' "$dir/log")
    if [ "$how" = clock ]; then
        [ "$rc" -eq 0 ] || [ "$rc" -eq 143 ] || fault+="; ended with $rc on SIGTERM"
    elif [ "$rc" -gt 128 ]; then
        fault+="; died of signal $((rc - 128))"
    elif [ "$rc" -eq 0 ]; then
        fault+="; ended with 0 without a clock"
    elif [ -z "$said" ]; then
        fault+="; ended with $rc without saying why in one plain sentence"
    fi
    [ -n "${spun[$i]:-}" ] && fault+="; spins: ${spun[$i]} ticks of CPU in the 2 s after the clock showed"
    sums "$dir/chronidex" >"$dir/after"
    while read -r sum name; do
        grep -qxF "$sum  $name" "$dir/after" && continue
        expected="$dir/chronidex/fired-$(basename "$name")"
        if [ -s "$expected" ]; then
            cmp -s "$expected" "$dir/chronidex/$name" && continue
        elif [ -f "$expected" ]; then
            [ -e "$dir/chronidex/$name" ] || continue
        fi
        fault+="; $name changed"
    done <"$dir/before"
    local outcome
    if [ "$how" = clock ]; then
        outcome="clock"
    else
        outcome="ended with $rc"
    fi
    [ "${boxes[$i]}" -gt 0 ] && outcome+=", ${boxes[$i]} box(es)"
    if [ -n "$fault" ]; then
        result[$i]="FAULT ($outcome)${fault}"
        sed 's/^/    /' "$dir/log" | head -n 20 >"$dir/shown"
    else
        result[$i]=$outcome
        rm -rf "$dir"
    fi
}

# One step of a running case; returns 1 once it is over.
step() {
    local i=$1
    local p=${pid[$i]} t rc
    t=$(now_ms)
    if ! kill -0 "$p" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$p/stat" 2>/dev/null)" = Z ]; then
        rc=0
        wait "$p" || rc=$?
        if [ "${phase[$i]}" = ending ]; then
            finish_case "$i" "$rc" clock
        else
            finish_case "$i" "$rc" exit
        fi
        return 1
    fi
    # Boxes that keep coming count as a hang too.
    if [ "${phase[$i]}" != ending ] && [ $((t - started[$i])) -gt 30000 ]; then
        result[$i]="FAULT: not settled after 30 s, ${boxes[$i]} box(es) (${phase[$i]}, waits in $(cat "/proc/$p/wchan" 2>/dev/null))"
        kill -KILL "$p" 2>/dev/null
        wait "$p" 2>/dev/null
        sed 's/^/    /' "$work/case$i/log" | head -n 20 >"$work/case$i/shown"
        return 1
    fi
    case ${phase[$i]} in
        starting)
            close_boxes "$i" && { start_box[$i]=1; return 0; }
            if xdotool search --all --onlyvisible --pid "$p" --name '^chas$' >/dev/null 2>&1; then
                phase[$i]=measuring
                clocked[$i]=$t
                cpu0[$i]=$(cpu_ticks "$p")
            fi
            ;;
        measuring)
            close_boxes "$i" && return 0
            if [ $((t - clocked[$i])) -ge 2000 ]; then
                local used=$(($(cpu_ticks "$p") - cpu0[$i]))
                # An idle clock uses a few ticks in two seconds; a busy loop the whole 200.
                [ "$used" -gt 50 ] && spun[$i]=$used
                phase[$i]=ending
                signalled[$i]=$t
                kill -TERM "$p" 2>/dev/null
            fi
            ;;
        ending)
            if [ $((t - signalled[$i])) -gt 10000 ]; then
                result[$i]="FAULT: still running 10 s after SIGTERM"
                kill -KILL "$p" 2>/dev/null
                wait "$p" 2>/dev/null
                return 1
            fi
            ;;
    esac
    return 0
}

parallel=${HOSTILE_PARALLEL:-4}
# Runs the cases numbered after $1, $parallel at a time, calling the step $1
# for each running case until it says the case is over.
run_cases() {
    local step_of=$1 i next=0 running=() still
    shift
    while [ "$next" -lt $# ] || [ ${#running[@]} -gt 0 ]; do
        while [ ${#running[@]} -lt "$parallel" ] && [ "$next" -lt $# ]; do
            i=${*:$((next + 1)):1}
            start_case "$i" && running+=("$i")
            next=$((next + 1))
        done
        still=()
        for i in "${running[@]}"; do
            "$step_of" "$i" && still+=("$i")
        done
        running=("${still[@]}")
        sleep 0.1
    done
}
total=${#names[@]}
echo "$total cases, $parallel at a time"
run_cases step "${!names[@]}"

# Every case that showed a message during its start runs again, and this
# time SIGTERM comes while that message is up: as a log-out finds it. The
# program must end with 0 (one still running after 10 s hangs; how fast it
# ends is the machine's load, not the program's), leave no marker, and leave the
# schedules and holidays as they were (a notice nobody read keeps its entry).
signal_step() {
    local i=$1 p=${pid[$1]} t dir="$work/case$1" rc=0 id
    t=$(now_ms)
    if ! kill -0 "$p" 2>/dev/null || [ "$(cut -d' ' -f3 "/proc/$p/stat" 2>/dev/null)" = Z ]; then
        wait "$p" || rc=$?
        if [ "${phase[$i]}" != signalled ]; then
            ended[$i]="FAULT: ended with $rc before its message came again"
            return 1
        fi
        local fault=
        [ "$rc" -eq 0 ] || fault+="; ended with $rc"
        compgen -G "$dir/run/chronidexname*" >/dev/null && fault+="; the marker is left"
        sums "$dir/chronidex" | cmp -s - "$dir/before" || fault+="; a schedule or holiday file changed"
        ended[$i]=${fault:+FAULT${fault}}
        return 1
    fi
    case ${phase[$i]} in
        starting)
            id=$(xdotool search --all --onlyvisible --pid "$p" --name '^Chronidex$' 2>/dev/null | head -n 1)
            if [ -n "$id" ]; then
                kill -TERM "$p"
                signalled[$i]=$t
                phase[$i]=signalled
            elif [ $((t - started[$i])) -gt 30000 ]; then
                ended[$i]="FAULT: no message within 30 s"
                kill -KILL "$p" 2>/dev/null
                wait "$p" 2>/dev/null
                return 1
            fi
            ;;
        signalled)
            if [ $((t - signalled[$i])) -gt 10000 ]; then
                ended[$i]="FAULT: still running 10 s after SIGTERM"
                kill -KILL "$p" 2>/dev/null
                wait "$p" 2>/dev/null
                return 1
            fi
            ;;
    esac
    return 0
}

again=()
for i in "${!names[@]}"; do
    [ -n "${start_box[$i]:-}" ] && [[ ${result[$i]} != FAULT* ]] && again+=("$i")
done
echo "${#again[@]} cases with a message at the start, ended by SIGTERM while it is up"
run_cases signal_step "${again[@]}"
for i in "${again[@]}"; do
    [ -n "${ended[$i]}" ] && result[$i]="${result[$i]}; SIGTERM at its message: ${ended[$i]}"
done

faults=0
for i in "${!names[@]}"; do
    printf '%-45s %s\n' "${names[$i]}" "${result[$i]}"
    if [[ ${result[$i]} == *FAULT* ]]; then
        faults=$((faults + 1))
        [ -f "$work/case$i/shown" ] && cat "$work/case$i/shown"
    fi
done
[ "$faults" -eq 0 ] || fail "$faults of $total damaged installations went wrong"
echo "ok: $total damaged installations"
