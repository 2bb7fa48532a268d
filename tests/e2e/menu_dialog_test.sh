#!/usr/bin/env bash
# The popup menu of the real clock leads to a dialog: "Помощь" / "О программе"
# opens the about box, which takes its caption from that item.
source "$(dirname "$0")/lib.sh"

start_clock
win=$(wait_window chas) || { cat "$work/clock.log"; fail "no clock window"; }
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --sync $((X + 95)) $((Y + 95))
# From the bottom: "Выход", then (separators are skipped) "Помощь", which
# opens on its first item, "Справка".
open_submenu Up Up
xdotool key Down Return     # "О программе"
# Find the about box by its size: its caption, from the menu item, must be
# there at once, without a click or a window manager.
about=
for _ in $(seq 50); do
    for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$WIDTH" -eq 386 ] && [ "$HEIGHT" -eq 179 ] && about=$w
    done
    [ -n "$about" ] && break
    sleep 0.1
done
[ -n "$about" ] || { cat "$work/clock.log"; fail "the about box did not open"; }
xdotool getwindowname "$about" | grep -q 'О программе' || fail "about box caption: $(xdotool getwindowname "$about")"
kill -0 "$clock_pid" || fail "the clock ended"
echo "ok"
