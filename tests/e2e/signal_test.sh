#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the clock as its menu's "Выход" does: status
# 0 within a few seconds, the single-instance socket gone, and the next start
# shows a clock again. With a notice open, the signal ends the program too,
# and the reminder the notice belongs to stays in its file, whole.
source "$(dirname "$0")/lib.sh"
socket="$XDG_RUNTIME_DIR/chronidexname"

# Sends the signal and waits for the clock to end by itself with 0.
end_with() {
    local signal=$1 what=$2
    kill -s "$signal" "$clock_pid"
    for _ in $(seq 50); do
        kill -0 "$clock_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$clock_pid" 2>/dev/null && fail "SIG$signal $what: still running after 5 s"
    local status=0
    wait "$clock_pid" || status=$?
    [ "$status" -eq 0 ] || { cat "$work/clock.log"; fail "SIG$signal $what: exit status $status"; }
    [ -e "$socket" ] && fail "SIG$signal $what: the marker socket $socket is left"
    [ -e "$socket.lock" ] && fail "SIG$signal $what: the marker's lock file is left"
    [ -z "$(xdotool search --onlyvisible --name '^chas$' 2>/dev/null)" ] ||
        fail "SIG$signal $what: a clock window is left"
    return 0
}

for signal in TERM INT HUP; do
    start_clock
    wait_window chas >/dev/null || { cat "$work/clock.log"; fail "no clock window before SIG$signal"; }
    [ -S "$socket" ] || fail "no marker socket while the clock runs"
    end_with "$signal" "on the clock"
    echo "SIG$signal: ended with 0, marker removed"
done

# A signal while Qt is still connecting to the display, before any window:
# held until the handlers are in place, then the same clean end. The xcb
# plugin's being mapped shows the start is inside QApplication.
for _ in 1 2 3; do
    start_clock
    for _ in $(seq 200); do
        grep -q libqxcb "/proc/$clock_pid/maps" 2>/dev/null && break
        sleep 0.01
    done
    end_with TERM "during the start"
done
echo "SIGTERM during the start: ended with 0, marker removed"

# A notice is a modal box with its own event loop: an overdue reminder puts
# one up at the start.
export TZ=UTC
{ day_bytes 45000; short_string "10:30" 5; short_string "Overdue test reminder" 150; head -c 3 /dev/zero; } \
    >"$program/system/napom.dat"
start_clock
wait_window Chronidex >/dev/null || { cat "$work/clock.log"; fail "no notice for the overdue reminder"; }
end_with TERM "with a notice open"
size=$(stat -c %s "$program/system/napom.dat" 2>/dev/null || echo 0)
# Nobody read the notice the signal closed: its reminder stays, whole.
[ "$size" -eq 168 ] || fail "napom.dat is $size bytes, not the one reminder whose notice was cut short"
[ -e "$program/system/nappr.dat" ] && fail "the schedule's scratch file is left"
echo "SIGTERM with a notice open: ended with 0, napom.dat $size bytes"

start_clock
wait_window chas >/dev/null || { cat "$work/clock.log"; fail "no clock window after the signals"; }
end_with TERM "after the signals"

# A message of the start, before the clock is shown, has its own loop and no
# main loop behind it yet: a skin description that is no numbers puts one up.
# Each signal ends the program there too, within 2 s, with nothing left.
rm -f "$program/system/napom.dat"
cp "$program/skins/Classic.skn" "$work/Classic.skn"
printf 'red\r\nblue\r\n\r\nx\r\n' >"$program/skins/Classic.skn"
for signal in TERM INT HUP; do
    start_clock
    wait_window Chronidex >/dev/null || { cat "$work/clock.log"; fail "no message for the damaged skin"; }
    [ -z "$(xdotool search --onlyvisible --name '^chas$' 2>/dev/null)" ] ||
        fail "the clock shows before its start-up message is dismissed"
    sent=$(date +%s%N)
    end_with "$signal" "with a start-up message open"
    took=$((($(date +%s%N) - sent) / 1000000))
    [ "$took" -le 2000 ] || fail "SIG$signal with a start-up message open: ended after $took ms"
    echo "SIG$signal with a start-up message open: ended with 0 after $took ms"
done
cp "$work/Classic.skn" "$program/skins/Classic.skn"

# The installed program lays the user's folder out before the clock exists,
# and says in one message what it could not: a line a folder, however many
# files belong in it. A signal while that message is up ends the program
# there too.
installed="$work/installed"
mkdir -p "$installed/${CHRONIDEX_INSTALL_BIN:?}" "$installed/${CHRONIDEX_INSTALL_SUPPLIED:?}"
cp "$CHRONIDEX_BIN" "$installed/$CHRONIDEX_INSTALL_BIN/chronidex"
cp -a "$CHRONIDEX_SOURCE/data/." "$installed/$CHRONIDEX_INSTALL_SUPPLIED/"
user="$work/data/chronidex"
mkdir -p "$user"
: >"$user/skins"      # files where the folders of 27 and 12 files belong
: >"$user/prazdniki"
for signal in TERM INT HUP; do
    (cd "$work" && XDG_DATA_HOME="$work/data" exec "$installed/$CHRONIDEX_INSTALL_BIN/chronidex") \
        >"$work/clock.log" 2>&1 &
    clock_pid=$!
    pids+=("$clock_pid")
    wait_window Chronidex >/dev/null || { cat "$work/clock.log"; fail "no message for the user's folder"; }
    # Beside the box, its text on standard error in one line, "\n" between its lines.
    message=$(grep -m1 -F "$user" "$work/clock.log") || { cat "$work/clock.log"; fail "no line for the box"; }
    lines=$(($(grep -o '\\n' <<<"$message" | wc -l) + 1))
    [ "$lines" -eq 3 ] || fail "the message has $lines lines for two folders: $message"
    sent=$(date +%s%N)
    end_with "$signal" "with the user's folder's message open"
    took=$((($(date +%s%N) - sent) / 1000000))
    [ "$took" -le 2000 ] || fail "SIG$signal with the user's folder's message open: ended after $took ms"
    echo "SIG$signal with the user's folder's message open: ended with 0 after $took ms"
done
echo "ok"
