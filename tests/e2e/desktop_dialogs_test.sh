#!/usr/bin/env bash
# Dialogs and notices on real desktops: under openbox, xfwm4 and icewm a
# dialog from the menu gets the window manager's frame, opens centred on the
# screen and has the keyboard focus; a reminder's notice that comes up while
# another program fills the screen and has the focus comes up in front of it,
# with the focus. With no window manager the dialog still opens centred.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/desktop_lib.sh"
# A command that fails ends the script (lib.sh sets -e): say which.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
export TZ=UTC

# Auto-hide off: the clock stays where the menu is opened.
printf '\x00' | dd of="$program/system/system.ini" bs=1 seek=57 conv=notrunc status=none

active() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# //p'; }
same_window() { [ "$(printf '%d' "$1" 2>/dev/null)" = "$(printf '%d' "$2" 2>/dev/null)" ]; }
# The window the keyboard input goes to is $1 or one of its children.
has_focus() {
    local focus
    focus=$(xdotool getwindowfocus 2>/dev/null) || return 1
    [ "$focus" = "$1" ] || xwininfo -id "$1" -tree | grep -q "$(printf '0x%x' "$focus")"
}

check_desktop() {
    local wm=$1
    start_desktop "$wm"
    start_clock
    local clock
    clock=$(wait_window chas) || { cat "$work/clock.log"; fail "$wm: no clock window"; }
    sleep 0.5
    read -r x y w h state <<<"$(geometry "$clock")"

    # "Помощь" / "О программе", from the bottom of the menu.
    xdotool mousemove --sync $((x + 95)) $((y + 95)) click 3
    sleep 0.5
    for key in Up Up Right Down Return; do
        xdotool key "$key"
        sleep 0.2
    done
    local about
    about=$(wait_window 'О программе') || fail "$wm: the about box did not open"
    sleep 0.5
    read -r x y w h state <<<"$(geometry "$about")"
    # Centred: the client without a window manager; with one, the frame or
    # the client (as the manager lays its frame around it), to half the
    # frame's size.
    local extents="0, 0, 0, 0"
    if [ -n "$wm_pid" ]; then
        extents=$(xprop -id "$about" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')
        [ -n "$extents" ] && [ "$extents" != "0, 0, 0, 0" ] || fail "$wm: the about box has no frame"
    fi
    local left right top bottom
    IFS=', ' read -r left right top bottom <<<"$extents"
    local dx=$(((2 * x - 2 * left + w + left + right) / 2 - 640))
    local dy=$(((2 * y - 2 * top + h + top + bottom) / 2 - 512))
    [ "${dx#-}" -le $((2 + (left + right) / 2)) ] && [ "${dy#-}" -le $((2 + (top + bottom) / 2)) ] ||
        fail "$wm: the about box is not centred: $x,$y ${w}x$h in a frame of $extents"
    if [ -n "$wm_pid" ]; then
        same_window "$(active)" "$about" || fail "$wm: the about box is not the active window"
        has_focus "$about" || fail "$wm: the about box has not the keyboard focus"
    fi
    xdotool key Escape
    sleep 0.3

    if [ -n "$wm_pid" ]; then
        # Another program fills the screen and has the focus.
        local full
        full=$(plain_window '#123456' 400x300+100+100) || fail "$wm: no window to fill the screen"
        wmctrl -i -r "$full" -b add,fullscreen
        xdotool windowactivate "$full" 2>/dev/null || true
        sleep 1
        [ "$(geometry "$full")" = "0 0 1280 1024 IsViewable" ] ||
            fail "$wm: the window does not fill the screen: $(geometry "$full")"
        # A reminder whose time has passed, then a change from the command
        # line: the running clock reads the file again and tells of it at once.
        { day_bytes 45000; short_string "10:30" 5; short_string "Overdue on a full screen" 150
          head -c 3 /dev/zero; } >>"$program/system/napom.dat"
        (cd "$program" && env -u DISPLAY ./chronidex remind 12:00 \
            "$(date -d tomorrow +%d.%m.%Y)" "Tomorrow") >/dev/null || fail "$wm: remind failed"
        local box
        box=$(wait_window Chronidex) || fail "$wm: no notice for the overdue reminder"
        sleep 1
        read -r x y w h state <<<"$(geometry "$box")"
        shot "$work/notice.png"
        [ "$(pixel "$work/notice.png" $((x + w / 2)) $((y + h / 2)))" != "srgb(18,52,86)" ] ||
            fail "$wm: the notice is behind the full-screen window"
        has_focus "$box" || fail "$wm: the notice has not the keyboard focus"
        xdotool key Return
        for _ in $(seq 50); do
            xdotool search --onlyvisible --name '^Chronidex$' >/dev/null 2>&1 || break
            sleep 0.1
        done
        xdotool windowkill "$full" 2>/dev/null || true
    fi
    kill -0 "$clock_pid" || fail "$wm: the clock ended"
    stop_desktop
    echo "$wm: ok"
}

for wm in none openbox xfwm4 icewm; do
    check_desktop "$wm"
done
echo "ok"
