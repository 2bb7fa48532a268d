#!/usr/bin/env bash
# Starts the real clock many times in a row and counts how each start ended.
# Every start must show its clock or end with a message and a non-zero
# status; an abort, a crash or a hang is kept for a look.
#
#   bench/starts.sh [count] [mode]     count 500 by default
#     mode "term" (default): wait until the clock window is mapped, then SIGTERM;
#          a normal end is status 0 with the marker socket removed.
#     mode "display": a fresh Xvfb per start, killed 0-1000 ms after the start
#          (STARTS_MAX_DELAY_MS), before or after the window is up; a normal
#          end is a non-zero status with one "chronidex: " line on stderr
#          (other lines, such as Qt's warnings, are counted beside it).
#
# Environment: CHRONIDEX_BUILD_DIR (build-bench; configured in Release when
# new, only the chronidex target is built), CHRONIDEX_DISPLAYS ("91 140", the
# display numbers to pick a free one from). The stderr of every abnormal end
# is kept in a folder whose name is printed at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/xvfb.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" xvfb xauth xdotool x11-utils

count=${1:-500}
mode=${2:-term}
[ "$mode" = term ] || [ "$mode" = display ] || { echo "usage: $0 [count] [term|display]"; exit 2; }
max_delay=${STARTS_MAX_DELAY_MS:-1000}
build=${CHRONIDEX_BUILD_DIR:-build-bench}
read -r first_display last_display <<<"${CHRONIDEX_DISPLAYS:-91 140}"
marker_files=(chronidexname chronidexname.lock)

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
if ! nice -n 10 cmake --build "$build" -j2 --target chronidex >"$build/starts-build.log" 2>&1; then
    cat "$build/starts-build.log"
    exit 1
fi

work=$(mktemp -d)
kept=$(mktemp -d "${TMPDIR:-/tmp}/chronidex-starts.XXXXXX")
xvfb_pid=
clock=
cleanup() {
    [ -n "$clock" ] && kill -9 "$clock" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
ulimit -c 0  # an abort is counted here, not dumped

# A private home and runtime folder: no settings of the user's, and the
# single-instance marker of a clock already running elsewhere is not seen.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
program="$work/chronidex"
# In the supplied language, as every earlier figure was measured.
LC_ALL=C.UTF-8 tools/layout.sh "$build/src/chronidex" "$program"

start_xvfb() { chronidex_start_xvfb "$first_display" "$last_display" || exit 1; }
stop_xvfb() {
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
}

mapped() { xdotool search --onlyvisible --name '^chas$' >/dev/null 2>&1; }

# Waits up to $1 tenths of a second for the clock to end; sets how it ended.
# Not in a subshell: only the shell that started the clock can wait for it.
result=
ending() {
    local limit=$1 status=0
    for _ in $(seq "$limit"); do
        kill -0 "$clock" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$clock" 2>/dev/null; then
        kill -9 "$clock" 2>/dev/null || true
        wait "$clock" 2>/dev/null || true
        result=hang
        return
    fi
    wait "$clock" || status=$?
    if [ "$status" -gt 128 ]; then
        result="signal $(kill -l $((status - 128)))"
    else
        result="exit $status"
    fi
}

declare -A outcomes
abnormal=0
keep() {
    abnormal=$((abnormal + 1))
    cp "$work/stderr" "$kept/start$1.stderr"
    echo "$2" >>"$kept/start$1.stderr"
}

[ "$mode" = term ] && start_xvfb
for i in $(seq "$count"); do
    rm -f "$XDG_RUNTIME_DIR"/chronidexname*
    [ "$mode" = display ] && start_xvfb
    (cd "$program" && exec ./chronidex) 2>"$work/stderr" >/dev/null &
    clock=$!
    shown=no
    if [ "$mode" = term ]; then
        for _ in $(seq 400); do
            mapped && { shown=yes; break; }
            kill -0 "$clock" 2>/dev/null || break
            sleep 0.05
        done
        [ $shown = yes ] && kill -TERM "$clock" 2>/dev/null
        ending 100
        label="$result"
        [ $shown = yes ] || label="no window, $result"
        for file in "${marker_files[@]}"; do
            [ -e "$XDG_RUNTIME_DIR/$file" ] && label="$label, $file left"
        done
        [ "$label" = "exit 0" ] || keep "$i" "$label"
    else
        sleep "$(awk -v m="$max_delay" -v r="$RANDOM" 'BEGIN { printf "%.3f", m * r / 32767 / 1000 }')"
        mapped && shown=yes
        stop_xvfb
        ending 100
        own=$(grep -c '^chronidex: ' "$work/stderr" || true)
        other=$(($(grep -c . "$work/stderr" || true) - own))
        label="$result"
        [[ $result == exit* ]] && label="$result, $own own line"
        [ "$other" -gt 0 ] && label="$label, $other other"
        case $result in
            "exit 0") keep "$i" "$label" ;;
            exit*) [ "$own" -eq 1 ] || keep "$i" "$label" ;;
            *) keep "$i" "$label" ;;
        esac
        for file in "${marker_files[@]}"; do
            [ -e "$XDG_RUNTIME_DIR/$file" ] && { label="$label, $file left"; keep "$i" "$label"; }
        done
        [ $shown = yes ] && label="$label after its window"
    fi
    clock=
    outcomes[$label]=$(( ${outcomes[$label]:-0} + 1 ))
done
[ -n "$xvfb_pid" ] && stop_xvfb

echo "starts: mode=$mode count=$count abnormal=$abnormal"
for label in "${!outcomes[@]}"; do
    printf '  %5d  %s\n' "${outcomes[$label]}" "$label"
done | sort -rn
if [ "$abnormal" -gt 0 ]; then
    echo "stderr of the abnormal ends: $kept"
else
    rmdir "$kept"
fi
