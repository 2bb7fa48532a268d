#!/usr/bin/env bash
# Sourced: chronidex_start_xvfb FIRST LAST starts a private Xvfb on the first
# free display number of FIRST..LAST, exports DISPLAY, sets xvfb_pid for the
# caller to stop, and waits until the server answers.
chronidex_start_xvfb() {
    local n
    for n in $(seq "$1" "$2"); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            break
        fi
    done
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
}
