#!/usr/bin/env bash
# A program folder laid out anew by ./run.sh's layout step starts in the
# desktop's language: French here, although the machine need not have the
# French locale generated. The main menu and the about box stay Russian. A
# second layout, in another language, leaves the settled folder as it is.
source "$(dirname "$0")/lib.sh"
fresh="$work/fresh"

# The desktop's language alone: none of the caller's locale variables.
in_locale() { env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$1" "${@:2}"; }
lay_out() { in_locale "$1" "$CHRONIDEX_SOURCE/tools/layout.sh" "$CHRONIDEX_BIN" "$fresh"; }
# langFile of the settings record: a length byte, then the name.
lang_file() {
    local length
    length=$(od -An -tu1 -N1 "$fresh/system/system.ini" | tr -d ' ')
    dd if="$fresh/system/system.ini" bs=1 skip=1 count="$length" 2>/dev/null
}
sums() { (cd "$fresh" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
# xdotool's search does not match a name outside Latin-1; its getwindowname reads any.
named() {
    local w
    for w in $(visible_windows); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && return 0
    done
    return 1
}

lay_out fr_FR.UTF-8
cmp <(printf '[Lang]\r\nLang=fre\r\n') "$fresh/system/lang.ini" || fail "lang.ini is not French"

(cd "$fresh" && exec env -u LC_ALL -u LC_MESSAGES LANG=fr_FR.UTF-8 ./chronidex) \
    >"$work/fresh.log" 2>&1 &
clock_pid=$!
pids+=("$clock_pid")
win=$(wait_window chas) || { cat "$work/fresh.log"; fail "no clock window"; }
# The calendar read its month names from the file the record names.
[ "$(lang_file)" = French.lng ] || fail "the settings name $(lang_file)"
[ ! -e "$fresh/system/lang.ini" ] || fail "lang.ini is left after the start"

# The menu is Russian; the language chooser it opens takes the French caption.
eval "$(xdotool getwindowgeometry --shell "$win")"
xdotool mousemove --sync $((X + 95)) $((Y + 95))
open_submenu Up Up Up         # from the bottom: "Выход", "Помощь", "Настройки"; on "Язык"
xdotool key Return
wait_window 'Choix de la langue' >/dev/null || fail "no French language chooser"
xdotool key Escape
# The about box takes its caption from its Russian menu item.
open_submenu Up Up            # "Помощь", on "Справка"
xdotool key Down Return        # "О программе"
wait_until 100 named 'О программе' || fail "no Russian about box"
kill -0 "$clock_pid" || fail "the clock ended"
kill -TERM "$clock_pid"
wait "$clock_pid" || fail "the clock ended with $?"

sums >"$work/before"
lay_out en_US.UTF-8
sums | diff "$work/before" - || fail "the second layout changed the folder"
[ "$(lang_file)" = French.lng ] || fail "the settings name $(lang_file)"
echo "ok"
