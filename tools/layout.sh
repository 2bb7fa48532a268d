#!/usr/bin/env bash
# Lays out a program folder: refreshes the executable and the sound module
# built beside it, and has the executable copy each supplied file only where
# the folder lacks it, so the user's settings, schedules and holidays are never
# overwritten. A folder without settings yet starts in the desktop's language
# (LC_ALL, LC_MESSAGES, LANG), as the installed program's does.
set -euo pipefail
exe=$1
home=$2
src=$(cd "$(dirname "$0")/.." && pwd)/data
mkdir -p "$home"
install -m 755 "$exe" "$home/chronidex.new"
mv -f "$home/chronidex.new" "$home/chronidex"
# Renamed into place, never written over: a running clock may have it mapped.
module="$(dirname "$exe")/libchronidex-sound.so"
if [ -e "$module" ]; then
    install -m 644 "$module" "$home/libchronidex-sound.so.new"
    mv -f "$home/libchronidex-sound.so.new" "$home/libchronidex-sound.so"
fi
"$exe" lay-out "$src" "$home"
