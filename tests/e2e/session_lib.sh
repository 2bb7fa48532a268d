# Shared by the tests that run the clock in full desktop sessions: Xfce on
# Xvfb, GNOME Shell, KDE Plasma and sway on Wayland with the clock on their
# XWayland. Each session gets its own display, D-Bus session and home (the
# test's $HOME, as a user logging in would have). Source after lib.sh and
# desktop_lib.sh.
#
# start_session NAME starts one and returns once it manages windows, with its
# panel up; it exports what a program started in that session inherits
# (DISPLAY, WAYLAND_DISPLAY, XDG_CURRENT_DESKTOP, SWAYSOCK, the session bus).
# Then, for a window id on that display:
#   session_workarea                 "x y width height" of the usable area
#   session_geometry ID              "x y width height state" as the compositor shows it
#   session_listed ID                where it is listed: "switcher taskbar pager
#                                    attention tiled", the words that apply
#   session_shot FILE                a screenshot from the compositor
#   session_raise_normal COLOUR X Y  an ordinary window, 600x400 at X,Y,
#                                    raised and focused; prints its id
#   session_walk_switcher            Alt+Tab once (KDE)
# Every process of the session carries CHRONIDEX_SESSION_TAG in its
# environment, also those D-Bus starts, and ends with the test.

session_tag="$work"
session_name=
session_log="$work/session.log"
session_env="$work/session.env"
desktop_pids=()
wm_pid=

trap 'session_stop; cleanup' EXIT

# The processes of the session, by the tag in their environment.
session_processes() {
    # Processes come and go meanwhile: files that vanish are no error.
    { grep -lsxz "CHRONIDEX_SESSION_TAG=$session_tag" /proc/[0-9]*/environ || true; } | cut -d/ -f3
}
# Ends every process of the session, then removes the lock files of the X
# servers it left behind (an XWayland ended by force leaves its own).
session_stop() {
    local alive left lock
    alive=$(session_processes)
    [ -n "$alive" ] || return 0
    # shellcheck disable=SC2086
    kill $alive 2>/dev/null || true
    for _ in $(seq 30); do
        left=$(session_processes)
        [ -n "$left" ] || break
        sleep 0.1
    done
    # shellcheck disable=SC2086
    [ -z "$left" ] || kill -KILL $left 2>/dev/null || true
    for lock in /tmp/.X*-lock; do
        [ -e "$lock" ] || continue
        local pid n
        pid=$(tr -d ' \n' <"$lock" 2>/dev/null) || continue
        grep -qx "$pid" <<<"$alive" || continue
        n=${lock#/tmp/.X}
        n=${n%-lock}
        rm -f "$lock" "/tmp/.X11-unix/X$n"
    done
}

# Runs the command after it in the session's environment: a login's, with the
# tag, nothing of the test's own.
session_run() {
    env -i PATH="$PATH" HOME="$HOME" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" \
        XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" \
        XDG_CACHE_HOME="$HOME/.cache" LANG=C.UTF-8 CHRONIDEX_SESSION_TAG="$session_tag" "$@"
}

# Exports from the environment a program of the session was started with
# (NUL-separated, as env -0 writes it) what tells a program its session.
session_import() {
    local entry name
    while IFS= read -r -d '' entry; do
        name=${entry%%=*}
        case $name in
            DISPLAY | XAUTHORITY | WAYLAND_DISPLAY | SWAYSOCK | I3SOCK | XDG_CURRENT_DESKTOP | \
                XDG_SESSION_TYPE | XDG_SESSION_DESKTOP | DESKTOP_SESSION | DBUS_SESSION_BUS_ADDRESS | \
                QT_QPA_PLATFORM | GDK_BACKEND | KDE_FULL_SESSION | KDE_SESSION_VERSION)
                export "$entry" ;;
        esac
    done <"$1"
}

# Waits up to $1 seconds for the file $2 to have content; fails naming $3.
wait_file() {
    for _ in $(seq $(($1 * 10))); do
        [ -s "$2" ] && return 0
        sleep 0.1
    done
    tail -n 30 "$session_log"
    fail "$3: the session did not start within $1 s"
}

# Fails unless each command after the name is on this machine: a session
# that cannot start is a failure, never a skipped check.
session_needs() {
    local name=$1 cmd missing=
    shift
    for cmd in "$@"; do
        command -v "$cmd" >/dev/null || missing+=" $cmd"
    done
    [ -z "$missing" ] || fail "$name: cannot start the session, missing:$missing (tools/packages.sh installs them)"
}

start_session() {
    session_name=$1
    # What an earlier session of the same run left must not pass for this one's.
    rm -rf "$session_env" "$session_env.bus" "$work/sway"
    case $1 in
        xfce) start_xfce ;;
        gnome) start_gnome ;;
        kde) start_kde ;;
        sway) start_sway ;;
        *) fail "no session named $1" ;;
    esac
}

# --- Xfce: Xvfb, xfwm4, the default top panel, xfdesktop --------------------

start_xfce() {
    session_needs xfce Xvfb dbus-run-session xfwm4 xfce4-panel xfdesktop
    # As after the first login, once the user chose the default panel layout
    # (without a configuration the panel asks).
    local channels="$HOME/.config/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$channels"
    cp /etc/xdg/xfce4/panel/default.xml "$channels/xfce4-panel.xml"
    start_server session_run Xvfb -screen 0 1280x1024x24 -nolisten tcp
    wait_display ":$server_n"
    desktop_pids=("$server_pid")
    export DISPLAY=":$server_n"
    # The compositor stays off as in the bare window manager's test: the
    # screenshots read the root window.
    session_run DISPLAY="$DISPLAY" XDG_CURRENT_DESKTOP=XFCE XDG_SESSION_TYPE=x11 \
        DESKTOP_SESSION=xfce dbus-run-session bash -c '
            env -0 >"$1.new" && mv "$1.new" "$1"
            xfwm4 --compositor=off & xfce4-panel & xfdesktop & wait' session "$session_env" \
        >"$session_log" 2>&1 &
    wait_file 30 "$session_env" xfce
    session_import "$session_env"
    wait_managing xfwm4
    wait_until 300 xfce_ready || fail "xfce: no panel or desktop after 30 s ($(xprop -root _NET_WORKAREA))"
}
xfce_ready() {
    local area types=
    read -r _ area _ <<<"$(session_workarea)"
    [ "${area:-0}" -gt 0 ] || return 1
    for id in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ,); do
        types+=$(xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null)
    done
    [[ $types == *_NET_WM_WINDOW_TYPE_DESKTOP* ]]
}

# --- GNOME Shell on Wayland, headless ---------------------------------------

# The shell's own view comes through its Eval method, which it serves only in
# unsafe mode; a small extension of the test's home switches that on, as
# Looking Glass would.
gnome_extension=unsafe-mode@chronidex.test
start_gnome() {
    session_needs gnome gnome-shell Xwayland unshare dbus-daemon gdbus gsettings
    local extension="$HOME/.local/share/gnome-shell/extensions/$gnome_extension"
    mkdir -p "$extension"
    cat >"$extension/metadata.json" <<EOF
{"uuid": "$gnome_extension", "name": "Test access", "shell-version": ["43", "44"],
 "description": "Lets the end-to-end test read the shell's view over D-Bus"}
EOF
    cat >"$extension/extension.js" <<'EOF'
function init() {
    return {
        enable() { global.context.unsafe_mode = true; },
        disable() { global.context.unsafe_mode = false; },
    };
}
EOF
    # gnome-shell wants a system bus (logind, accounts), which a container
    # lacks: a private one, in a mount namespace of its own.
    mkdir -p "$work/bin"
    cat >"$work/bin/gnome-system-bus" <<EOF
#!/bin/bash
set -e
mkdir -p /run/dbus /run/systemd
mount -t tmpfs tmpfs /run/dbus
mount -t tmpfs tmpfs /run/systemd
dbus-daemon --system --nofork --nopidfile &
for _ in \$(seq 50); do [ -S /run/dbus/system_bus_socket ] && break; sleep 0.1; done
exec dbus-run-session -- $work/bin/gnome-session
EOF
    # The settings: the extension, no notification banner over the screen,
    # no animation to wait for.
    cat >"$work/bin/gnome-session" <<EOF
#!/bin/bash
echo "\$DBUS_SESSION_BUS_ADDRESS" >$session_env.bus
gsettings set org.gnome.shell enabled-extensions "['$gnome_extension']"
gsettings set org.gnome.desktop.notifications show-banners false
gsettings set org.gnome.desktop.interface enable-animations false
exec gnome-shell --headless --wayland --virtual-monitor 1280x1024
EOF
    chmod +x "$work/bin/gnome-system-bus" "$work/bin/gnome-session"
    session_run XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_DESKTOP=gnome \
        unshare -m "$work/bin/gnome-system-bus" >"$session_log" 2>&1 &
    wait_file 30 "$session_env.bus" gnome
    DBUS_SESSION_BUS_ADDRESS=$(cat "$session_env.bus")
    export DBUS_SESSION_BUS_ADDRESS
    wait_until 900 gnome_started ||
        { tail -n 30 "$session_log"; fail "gnome: the shell did not start within 90 s"; }
    # It starts in the overview; a user leaves it before anything else.
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>' >/dev/null
    wait_until 100 gnome_overview_left || fail "gnome: the overview stays"
    # What a program launched from the shell inherits.
    gnome_eval "imports.misc.util.spawn(['sh', '-c', 'env -0 >$session_env.new && mv $session_env.new $session_env'])" >/dev/null
    wait_file 10 "$session_env" gnome
    session_import "$session_env"
    wait_display "$DISPLAY"
}
# The result of a JavaScript expression in the shell, as a string.
gnome_eval() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.gnome.Shell.Eval "String($1)" 2>/dev/null |
        sed -n "s/^(true, '\"\(.*\)\"')\$/\1/p"
}
gnome_started() { [ "$(gnome_eval 'Main.layoutManager._startingUp')" = false ]; }
gnome_overview_left() {
    [ "$(gnome_eval 'Main.overview.visible || Main.overview.animationInProgress')" = false ]
}
# The shell's windows, one a line: "xid x y width height skip_taskbar
# in_switcher demands_attention" for the X11 window with id $1 (0x...).
gnome_window() {
    gnome_eval "(() => { const sw = imports.ui.altTab.getWindows(null);
        const w = global.get_window_actors().map(a => a.meta_window)
            .find(w => parseInt(w.get_description(), 16) === $1);
        if (!w) return '';
        const r = w.get_frame_rect();
        return [r.x, r.y, r.width, r.height, w.skip_taskbar, sw.includes(w),
            w.demands_attention || w.urgent].join(' '); })()"
}

# --- KDE Plasma on Wayland: kwin_wayland with plasmashell -------------------

start_kde() {
    session_needs kde kwin_wayland plasmashell Xwayland gdbus dbus-update-activation-environment
    # The installed kwin_wayland carries a file capability (to raise its
    # scheduling priority) that a container refuses to exec; a copy has none.
    mkdir -p "$work/bin"
    cp /usr/bin/kwin_wayland "$work/bin/kwin_wayland"
    # KWin starts the session's programs with its environment: plasmashell
    # like any other, and D-Bus the services plasmashell asks for.
    cat >"$work/bin/plasma-session" <<EOF
#!/bin/bash
env -0 >$session_env.new && mv $session_env.new $session_env
export QT_QPA_PLATFORM=\${QT_QPA_PLATFORM:-wayland}
dbus-update-activation-environment DISPLAY WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORM \
    XDG_CURRENT_DESKTOP XDG_SESSION_TYPE KDE_FULL_SESSION KDE_SESSION_VERSION
exec plasmashell
EOF
    chmod +x "$work/bin/plasma-session"
    # ScreenShot2 serves only programs with a desktop entry that allows it,
    # unless told otherwise.
    session_run XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true \
        KDE_SESSION_VERSION=5 KWIN_SCREENSHOT_NO_PERMISSION_CHECKS=1 \
        dbus-run-session "$work/bin/kwin_wayland" --virtual --xwayland --width 1280 --height 1024 \
        --no-lockscreen --exit-with-session "$work/bin/plasma-session" \
        >"$session_log" 2>&1 &
    wait_file 60 "$session_env" kde
    session_import "$session_env"
    wait_display "$DISPLAY"
    wait_until 600 kde_ready ||
        { tail -n 30 "$session_log"; fail "kde: no panel and desktop within 60 s"; }
}
kde_ready() {
    local windows
    xprop -root _NET_WORKAREA 2>/dev/null | grep -q = || return 1
    windows=$(kwin_windows)
    grep -q ' type=1 ' <<<"$windows" && grep -q ' type=2 ' <<<"$windows"
}
# KWin's view of its windows, from a script run once, one a line: "xid x y
# width height switcher=.. taskbar=.. pager=.. attention=.. type=N caption".
# A script's output goes to KWin's log.
kwin_windows() {
    local tag="kwin-query-$RANDOM$RANDOM" script
    script="$work/$tag.js"
    cat >"$script" <<EOF
const list = workspace.clientList();
for (let i = 0; i < list.length; i++) {
    const c = list[i], g = c.frameGeometry;
    print("$tag " + ["0x" + (c.windowId || 0).toString(16), g.x, g.y, g.width, g.height,
        "switcher=" + !c.skipSwitcher, "taskbar=" + !c.skipTaskbar, "pager=" + !c.skipPager,
        "attention=" + c.demandsAttention, "type=" + c.windowType, c.caption].join(" "));
}
print("$tag end");
EOF
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.loadScript "$script" "$tag" >/dev/null 2>&1 || return 1
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.start >/dev/null
    for _ in $(seq 50); do
        grep -q "$tag end" "$session_log" && break
        sleep 0.1
    done
    gdbus call --session --dest org.kde.KWin --object-path /Scripting \
        --method org.kde.kwin.Scripting.unloadScript "$tag" >/dev/null
    rm -f "$script"
    grep "$tag " "$session_log" | grep -v "$tag end" | sed "s/.*$tag //"
}
kwin_window() { kwin_windows | awk -v id="$(printf '0x%x' "$1")" '$1 == id'; }
# Alt+Tab once under KDE: its shortcut "Walk Through Windows" invoked over
# D-Bus (keys from here do not reach the compositor).
session_walk_switcher() {
    [ "$session_name" = kde ] || fail "$session_name: no way to walk the window switcher"
    gdbus call --session --dest org.kde.kglobalaccel --object-path /component/kwin \
        --method org.kde.kglobalaccel.Component.invokeShortcut 'Walk Through Windows' >/dev/null
}

# --- sway, headless, with XWayland -------------------------------------------

sway_user=nobody
start_sway() {
    session_needs sway sway swaymsg Xwayland grim xhost setpriv
    # sway refuses to run as root: an unprivileged user runs it, in a folder
    # of its own.
    local dir="$work/sway" uid gid
    uid=$(id -u "$sway_user")
    gid=$(id -g "$sway_user")
    chmod o+x "$work"
    mkdir -p "$dir/run"
    chmod 700 "$dir/run"
    cat >"$dir/config" <<EOF
output HEADLESS-1 resolution 1280x1024 bg #3f5f7f solid_color
bar {
    position top
    status_command while date +'%H:%M'; do sleep 60; done
}
exec env -0 >$dir/env.new && mv $dir/env.new $dir/env
EOF
    chown -R "$uid:$gid" "$dir"
    session_run XDG_RUNTIME_DIR="$dir/run" HOME="$dir" XDG_SESSION_TYPE=wayland \
        XDG_CURRENT_DESKTOP=sway WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman setpriv --reuid="$uid" --regid="$gid" --clear-groups \
        dbus-run-session sway -c "$dir/config" >"$session_log" 2>&1 &
    wait_file 30 "$dir/env" sway
    cp "$dir/env" "$session_env"
    session_import "$session_env"
    # The clock runs as root, in its own runtime folder: it finds the
    # compositor's socket by its full path.
    export WAYLAND_DISPLAY="$dir/run/$WAYLAND_DISPLAY"
    # XWayland starts with its first client; its owner lets root in.
    setpriv --reuid="$uid" --regid="$gid" --clear-groups env -i DISPLAY="$DISPLAY" \
        xhost +SI:localuser:root >/dev/null || fail "sway: XWayland does not start"
    wait_display "$DISPLAY"
    wait_until 300 sway_bar_up || fail "sway: no bar after 30 s"
}
sway_bar_up() { read -r _ top _ <<<"$(session_workarea)" && [ "${top:-0}" -gt 0 ]; }
# The node of sway's tree holding the X11 window $1: "x y width height
# floating|tiled urgent".
sway_node() {
    swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
want = int(sys.argv[1], 0)
def walk(node, floating):
    if node.get("window") == want:
        r = node["rect"]
        print(r["x"], r["y"], r["width"], r["height"], "floating" if floating else "tiled",
              "urgent" if node.get("urgent") else "")
    for child in node.get("nodes", []):
        walk(child, floating)
    for child in node.get("floating_nodes", []):
        walk(child, True)
walk(json.load(sys.stdin), False)' "$1"
}

# --- What each session shows --------------------------------------------------

# The usable area: sway's workspace (the output less its bar), GNOME Shell's
# work area of its monitor, elsewhere the _NET_WORKAREA the window manager
# publishes for the first desktop.
session_workarea() {
    case $session_name in
        sway)
            swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node["type"] == "workspace" and not node["name"].startswith("__"):
        r = node["rect"]
        print(r["x"], r["y"], r["width"], r["height"])
        sys.exit()
    for child in node.get("nodes", []):
        walk(child)
walk(json.load(sys.stdin))' ;;
        gnome)
            gnome_eval '(() => { const r = Main.layoutManager.getWorkAreaForMonitor(0);
                return [r.x, r.y, r.width, r.height].join(" "); })()' ;;
        *)
            xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= //p' | tr -d , |
                awk '{print $1, $2, $3, $4}' ;;
    esac
}

# Where window $1 is: the compositor's rectangle for a window it manages and
# shows, else the X server's; the state is the X map state.
session_geometry() {
    local id=$1 x y w h state found=
    read -r x y w h state <<<"$(geometry "$id")"
    if [ "$state" = IsViewable ]; then
        case $session_name in
            sway) found=$(sway_node "$id" | cut -d' ' -f1-4) ;;
            gnome) found=$(gnome_window "$id" | cut -d' ' -f1-4) ;;
            kde) found=$(kwin_window "$id" | cut -d' ' -f2-5) ;;
        esac
    fi
    [ -n "$found" ] && read -r x y w h <<<"$found"
    echo "$x $y $w $h $state"
}

# Where window $1 is listed or marked, by the session's own rules: words
# among "switcher taskbar pager attention tiled", nothing when it is in none.
session_listed() {
    local id=$1 states out=()
    states=$(xprop -id "$id" _NET_WM_STATE 2>/dev/null)
    case $session_name in
        kde)
            local line
            line=$(kwin_window "$id")
            [[ $line == *switcher=true* ]] && out+=(switcher)
            [[ $line == *taskbar=true* ]] && out+=(taskbar)
            [[ $line == *pager=true* ]] && out+=(pager)
            [[ $line == *attention=true* ]] && out+=(attention) ;;
        gnome)
            # The overview and the switchers leave out what skips the taskbar.
            local x y w h skip switcher attention
            read -r x y w h skip switcher attention <<<"$(gnome_window "$id")"
            [ "$switcher" = true ] && out+=(switcher)
            [ "$skip" = false ] && out+=(taskbar)
            [ "$attention" = true ] && out+=(attention) ;;
        sway)
            local node
            node=$(sway_node "$id")
            [[ $node == *tiled* ]] && out+=(tiled)
            [[ $node == *urgent* ]] && out+=(attention) ;;
        *)
            # xfwm4's cycling and the panel's window buttons leave out what
            # skips the taskbar; the pager what skips the pager.
            [[ $states == *_NET_WM_STATE_SKIP_TASKBAR* ]] || out+=(switcher taskbar)
            [[ $states == *_NET_WM_STATE_SKIP_PAGER* ]] || out+=(pager) ;;
    esac
    [[ $states == *_NET_WM_STATE_DEMANDS_ATTENTION* && " ${out[*]} " != *" attention "* ]] &&
        out+=(attention)
    echo "${out[*]}"
}

# A screenshot of the whole screen as the compositor composes it.
session_shot() {
    local file=$1
    rm -f "$file"
    case $session_name in
        sway) grim "$file" ;;
        gnome)
            gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
                --method org.gnome.Shell.Screenshot.Screenshot false false "$file" >/dev/null ;;
        kde) /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/kwin_screenshot.py" "$file" ;;
        *) import -window root "$file" ;;
    esac
    [ -s "$file" ] || fail "$session_name: no screenshot"
}

# An ordinary window at X,Y, 600x400, raised and focused as a user's click
# would; floated there under sway, which would tile it. Prints its id.
session_raise_normal() {
    local colour=$1 x=$2 y=$3 id
    id=$(plain_window "$colour" "600x400+$x+$y") || fail "$session_name: no ordinary window"
    case $session_name in
        sway)
            swaymsg "[id=$((id))] floating enable, move absolute position $x $y, focus" >/dev/null ;;
        *) xdotool windowactivate "$id" 2>/dev/null || true ;;
    esac
    echo "$id"
}
