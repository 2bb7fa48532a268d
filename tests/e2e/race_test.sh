#!/usr/bin/env bash
# Ten starts at the same instant, from one program folder as one user: one
# clock comes up, the nine others ask it forward and end with 0, as any
# second start does.
source "$(dirname "$0")/lib.sh"

# Every start waits at the same pipe and is let go by one write.
mkfifo "$work/go"
starts=()
for i in $(seq 10); do
    (read -r _ <"$work/go" || true; cd "$program" && exec ./chronidex) >"$work/clock$i.log" 2>&1 &
    starts+=($!)
    pids+=($!)
done
sleep 1
echo go >"$work/go"

win=$(wait_window chas) || { cat "$work"/clock*.log; fail "no clock window"; }
# The others end within a few seconds; a late second clock would show by then.
running=()
for _ in $(seq 100); do
    running=()
    for p in "${starts[@]}"; do kill -0 "$p" 2>/dev/null && running+=("$p"); done
    [ ${#running[@]} -le 1 ] && break
    sleep 0.1
done
sleep 2
running=()
for p in "${starts[@]}"; do kill -0 "$p" 2>/dev/null && running+=("$p"); done
clocks=$(xdotool search --onlyvisible --name '^chas$' | wc -l)
[ "$clocks" -eq 1 ] || { cat "$work"/clock*.log; fail "$clocks clock windows"; }
[ ${#running[@]} -eq 1 ] || fail "${#running[@]} instances still run"
for p in "${starts[@]}"; do
    [ "$p" = "${running[0]}" ] && continue
    wait "$p" || fail "a second start ended with $?"
done
[ -S "$XDG_RUNTIME_DIR/chronidexname" ] || fail "the marker socket is gone"
echo "ok: one clock of ten starts"
