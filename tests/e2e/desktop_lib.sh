# Shared by the tests that run the clock on real desktops: a private X server
# for each desktop, with a window manager or none, one screen or two side by
# side, and helpers to read windows and screenshots. Source after lib.sh.

# Starts an X server ("$@", its command and arguments) on a display number
# it picks itself through its own lock file: two tests starting desktops at
# once never get the same one. It never resets: by default an X server
# resets when its last client leaves, and the readiness check is a client
# that leaves, so a window manager connecting during that reset was cut off
# with every client after it. Sets server_n and server_pid.
start_server() {
    local file
    file=$(mktemp "$work/display.XXXXXX")
    "$@" -noreset -displayfd 3 3>"$file" >/dev/null 2>&1 &
    server_pid=$!
    for _ in $(seq 100); do
        server_n=$(head -n 1 "$file")
        [ -n "$server_n" ] && return 0
        kill -0 "$server_pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "X server $1 did not start"
}
wait_display() {
    for _ in $(seq 100); do
        DISPLAY=$1 xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "X server $1 did not start"
}

# Absolute geometry of a window as the root sees it: "x y width height state".
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^  Width/ {w = $NF} /^  Height/ {h = $NF} /Map State/ {s = $NF}
        END {print x, y, w, h, s}'
}
pixel() { convert "$1" -crop "1x1+$2+$3" -format '%[pixel:p{0,0}]' info:; }
shot() { import -window root "$1"; }

# Starts a desktop: $1 the window manager (none, openbox, xfwm4, icewm), $2
# "two" for two screens side by side. Sets DISPLAY, desktop_pids and wm_pid.
start_desktop() {
    local wm=$1 screens=${2:-one} n server_n server_pid
    wm_pid=
    desktop_pids=()
    if [ "$screens" = two ]; then
        # Xvfb lays out every screen at the origin; a nested server lays its
        # two screens side by side, as a two-monitor desktop does.
        start_server Xvfb -screen 0 2600x1100x24 -nolisten tcp
        desktop_pids+=("$server_pid")
        wait_display ":$server_n"
        DISPLAY=":$server_n" start_server Xephyr +xinerama -screen 1280x1024 \
            -screen 1280x1024 -nolisten tcp
    else
        start_server Xvfb -screen 0 1280x1024x24 -nolisten tcp
    fi
    n=$server_n
    desktop_pids+=("$server_pid")
    pids+=("${desktop_pids[@]}")
    wait_display ":$n"
    export DISPLAY=":$n"
    case $wm in
        openbox) openbox >/dev/null 2>&1 & wm_pid=$! ;;
        xfwm4) dbus-run-session xfwm4 --compositor=off >/dev/null 2>&1 & wm_pid=$! ;;
        icewm) icewm >/dev/null 2>&1 & wm_pid=$! ;;
    esac
    if [ -n "$wm_pid" ]; then
        pids+=("$wm_pid")
        wait_managing "$wm"
    fi
}

# Waits until the window manager of $DISPLAY manages windows; $1 names it
# for a failure's message. Announced is not yet ready (xfwm4 announces itself
# early): ready is when a window mapped now is managed, listed in
# _NET_CLIENT_LIST.
wait_managing() {
    local probe listed=
    probe=$(plain_window white 50x50+0+0) ||
        fail "$1: no window to probe with ($(desktop_state))"
    for _ in $(seq 150); do
        xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qi "$(printf '0x%x' "$probe")" &&
            { listed=1; break; }
        sleep 0.1
    done
    [ -n "$listed" ] || fail "$1: manages no window after 15 s"
    xdotool windowkill "$probe" 2>/dev/null || true
    sleep 0.3
}

# For a failure's message: which of the desktop's processes still run, and
# how many top-level windows the server has.
desktop_state() {
    local p alive=
    for p in "${desktop_pids[@]}" ${wm_pid:+"$wm_pid"}; do
        kill -0 "$p" 2>/dev/null && alive+=" $p" || alive+=" $p(gone)"
    done
    echo "display $DISPLAY, servers and window manager:$alive," \
        "$(xwininfo -root -children 2>/dev/null | grep -c '^ *0x') windows"
}

# Ends the clock, the window manager and the X servers of the desktop.
stop_desktop() {
    kill "$clock_pid" 2>/dev/null || true
    wait "$clock_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    kill "${desktop_pids[@]}" 2>/dev/null || true
    wait "${desktop_pids[@]}" 2>/dev/null || true
}

# A plain window of the given colour, placed and sized in pixels; prints its id.
plain_window() {
    local colour=$1 geometry=$2 id
    xlogo -bg "$colour" -geometry "$geometry" >/dev/null 2>&1 &
    pids+=($!)
    # A window manager still starting on a loaded machine maps it late.
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --classname xlogo 2>/dev/null | tail -n 1) &&
            { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
