#!/usr/bin/env bash
# Installs the desktop menu entry that starts the clock in its program folder.
set -euo pipefail
home=$1
apps=${XDG_DATA_HOME:-$HOME/.local/share}/applications
mkdir -p "$apps"
# Exec arguments are quoted and escaped as desktop entries require.
quoted=$(printf '%s' "$home/chronidex" | sed -e 's/[\\"`$]/\\\\&/g' -e 's/%/%%/g')
tmp=$(mktemp "$apps/.chronidex.XXXXXX")
cat >"$tmp" <<ENTRY
[Desktop Entry]
Type=Application
Name=Chronidex
Comment=Desktop clock with reminders, timed launches and a calendar
Exec="$quoted"
Path=$home
Icon=$home/system/m.bmp
Terminal=false
Categories=Utility;Clock;
ENTRY
mv -f "$tmp" "$apps/chronidex.desktop"
