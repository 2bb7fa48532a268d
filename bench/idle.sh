#!/usr/bin/env bash
# What the clock costs while nobody touches it, next to xclock as a yardstick:
# both run side by side on one private Xvfb; after a warm-up, CPU time,
# context switches (wake-ups) and peak resident memory are taken over a fixed
# window. Also the time from starting the clock until its window is mapped.
#
#   bench/idle.sh [runs]        one line per run
#
# Environment: IDLE_MODE (home: the clock in view; away: slid off the screen
# by a click on its pull tab before the warm-up), IDLE_SCALE (1; 2 runs both
# programs at QT_SCALE_FACTOR=2 on a 2560x2048 screen, four times the
# pixels), IDLE_SECONDS (40),
# IDLE_WARMUP (5), IDLE_FLOOR (1: bench/FloorClock, a bare Qt window that
# repaints one hand a second, in the clock's place: what Qt itself costs),
# CHRONIDEX_BUILD_DIR
# (build-bench), CHRONIDEX_DISPLAYS ("FIRST LAST", the X display numbers the
# private Xvfb may take; 91 140), CHRONIDEX_PROGRAM (a clock built elsewhere,
# say from an earlier commit, to measure instead of this tree's: before and
# after in one sitting). The clock runs from a freshly laid-out program folder
# with auto-hide and sound switched off.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
source tools/xvfb.sh
chronidex_install_missing "${CHRONIDEX_BUILD_PACKAGES[@]}" xvfb xauth xdotool x11-utils x11-apps

runs=${1:-1}
mode=${IDLE_MODE:-home}
case $mode in home | away) ;; *) echo "IDLE_MODE is home or away"; exit 2 ;; esac
[ "${IDLE_FLOOR:-0}" != 1 ] || [ "$mode" = home ] || { echo "IDLE_FLOOR has no tab to slide away"; exit 2; }
scale=${IDLE_SCALE:-1}
case $scale in 1) screen=1280x1024 ;; 2) screen=2560x2048 ;; *) echo "IDLE_SCALE is 1 or 2"; exit 2 ;; esac
seconds=${IDLE_SECONDS:-40}
warmup=${IDLE_WARMUP:-5}
build=${CHRONIDEX_BUILD_DIR:-build-bench}

# The machine is shared with other builds: stay gentle.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHRONIDEX_TESTS=OFF \
    -DCHRONIDEX_BENCHMARKS=ON >/dev/null
# This tree's chronidex lays the folder out (tools/layout.sh), also for a
# measured clock from a commit that could not.
if ! nice -n 10 cmake --build "$build" -j2 --target PrepareFolder chronidex FloorClock \
    >"$build/bench-build.log" 2>&1; then
    cat "$build/bench-build.log"
    exit 1
fi

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A private home and runtime folder: no settings of the user's, and the
# single-instance marker of a clock already running elsewhere is not seen.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

read -r first_display last_display <<<"${CHRONIDEX_DISPLAYS:-91 140}"
CHRONIDEX_XVFB_SCREEN=$screen chronidex_start_xvfb "$first_display" "${last_display:-$first_display}"
# Both programs at the scale; xclock draws at the server's pixels whatever
# Qt is told, so its figures stay those of one clock face.
export QT_SCALE_FACTOR=$scale
pids+=("$xvfb_pid")

# CPU nanoseconds of every thread (schedstat's first field) and its context
# switches, voluntary and involuntary, summed over the process's threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s }'; }
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches:/ { s += $2 } END { printf "%d\n", s }'
}
hwm_mib() { awk '/^VmHWM:/ { printf "%.1f\n", $2 / 1024 }' /proc/"$1"/status; }
threads() { ls /proc/"$1"/task | wc -l; }
now_ns() { date +%s%N; }

# Polls for a mapped window with exactly this name; prints the time it took.
wait_mapped() {
    local name=$1 start=$2 limit=$(( $(now_ns) + 30000000000 ))
    while [ "$(now_ns)" -lt "$limit" ]; do
        if xdotool search --onlyvisible --name "^${name}\$" >/dev/null 2>&1; then
            echo $(( ($(now_ns) - start) / 1000000 ))
            return 0
        fi
    done
    return 1
}

one_run() {
    local program="$work/program$1"
    # In the supplied language, as every earlier figure was measured.
    LC_ALL=C.UTF-8 tools/layout.sh "$build/src/chronidex" "$program"
    if [ -n "${CHRONIDEX_PROGRAM:-}" ]; then
        install -m 755 "$CHRONIDEX_PROGRAM" "$program/chronidex"
        rm -f "$program/libchronidex-sound.so"
        local module="$(dirname "$CHRONIDEX_PROGRAM")/libchronidex-sound.so"
        [ ! -e "$module" ] || install -m 644 "$module" "$program/libchronidex-sound.so"
    fi
    "$build/bench/PrepareFolder" "$program" --quiet

    local start map_ms map_cpu clock xclock
    start=$(now_ns)
    local who=chronidex
    if [ "${IDLE_FLOOR:-0}" = 1 ]; then
        who=floor
        "$build/bench/FloorClock" >"$work/clock.log" 2>&1 &
    else
        (cd "$program" && exec ./chronidex) >"$work/clock.log" 2>&1 &
    fi
    clock=$!
    pids+=("$clock")
    map_ms=$(wait_mapped chas "$start") || { cat "$work/clock.log"; echo "no clock window"; exit 1; }
    map_cpu=$(( $(cpu_ns "$clock") / 1000000 ))
    xclock -analog -update 1 >/dev/null 2>&1 &
    xclock=$!
    pids+=("$xclock")
    wait_mapped xclock "$(now_ns)" >/dev/null || { echo "no xclock window"; exit 1; }
    if [ "$mode" = away ]; then
        local tab
        tab=$(xdotool search --onlyvisible --name '^kn$' | head -n 1)
        eval "$(xdotool getwindowgeometry --shell "$tab")"
        xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
        sleep 2
        xdotool mousemove --sync 10 700
        # Away: unmapped, or (a clock built before the slide cut its windows
        # at the edge) moved past it.
        local shown
        shown=$(xdotool search --onlyvisible --name '^chas$' | head -n 1) || true
        if [ -n "$shown" ]; then
            eval "$(xdotool getwindowgeometry --shell "$shown")"
            [ "$X" -ge "${screen%x*}" ] || { echo "the clock did not slide away"; exit 1; }
        fi
    fi

    sleep "$warmup"
    local c0 x0 v0 cs0 xs0 t0 c1 x1 v1 cs1 xs1 t1
    t0=$(now_ns); c0=$(cpu_ns "$clock"); x0=$(cpu_ns "$xclock"); v0=$(cpu_ns "$xvfb_pid")
    cs0=$(switches "$clock"); xs0=$(switches "$xclock")
    sleep "$seconds"
    t1=$(now_ns); c1=$(cpu_ns "$clock"); x1=$(cpu_ns "$xclock"); v1=$(cpu_ns "$xvfb_pid")
    cs1=$(switches "$clock"); xs1=$(switches "$xclock")
    kill -0 "$clock" 2>/dev/null || { cat "$work/clock.log"; echo "the clock ended"; exit 1; }

    awk -v t=$(( t1 - t0 )) -v c=$(( c1 - c0 )) -v x=$(( x1 - x0 )) -v v=$(( v1 - v0 )) \
        -v cs=$(( cs1 - cs0 )) -v xs=$(( xs1 - xs0 )) -v ch="$(hwm_mib "$clock")" \
        -v xh="$(hwm_mib "$xclock")" -v map="$map_ms" -v mapcpu="$map_cpu" \
        -v th="$(threads "$clock")" -v secs="$seconds" -v warm="$warmup" -v mode="$mode" \
        -v scale="$scale" -v who="$who" 'BEGIN {
        s = t / 1e9
        cms = c / 1e6 / s; xms = x / 1e6 / s
        printf "idle %s scale %s: cpu " who "=%.3f xclock=%.3f ms/s ratio=%.2f | wakeups " who "=%.1f xclock=%.1f /s | peak_rss " who "=%.1f xclock=%.1f MiB | map " who "=%d ms (cpu %d ms) | xvfb=%.3f ms/s | threads=%d | %d s after %d s\n",
            mode, scale, cms, xms, (xms > 0 ? cms / xms : 0), cs / s, xs / s, ch, xh, map, mapcpu,
            v / 1e6 / s, th, secs, warm
    }'
    kill "$clock" "$xclock" 2>/dev/null || true
    wait "$clock" "$xclock" 2>/dev/null || true
}

for run in $(seq "$runs"); do
    one_run "$run"
done
