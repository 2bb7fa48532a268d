#!/usr/bin/env bash
# Sourced: chronidex_start_xvfb FIRST LAST starts a private Xvfb on the first
# free display number of FIRST..LAST, exports DISPLAY, sets xvfb_pid for the
# caller to stop, and waits until the server answers; fails, saying so, when
# no display number is free or the server never answers. The screen is
# 1280x1024 unless CHRONIDEX_XVFB_SCREEN says otherwise ("2560x2048").
chronidex_start_xvfb() {
    local n
    for n in $(seq "$1" "$2"); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            # -noreset: the server would reset whenever its last client
            # leaves, cutting off one that connects meanwhile.
            Xvfb ":$n" -screen 0 "${CHRONIDEX_XVFB_SCREEN:-1280x1024}x24" -nolisten tcp -noreset \
                >/dev/null 2>&1 &
            xvfb_pid=$!
            export DISPLAY=":$n"
            for _ in $(seq 200); do
                xdpyinfo >/dev/null 2>&1 && return 0
                sleep 0.05
            done
            echo "Xvfb :$n does not answer" >&2
            return 1
        fi
    done
    echo "no free display in $1-$2" >&2
    return 1
}
