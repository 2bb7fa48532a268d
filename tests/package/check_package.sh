#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks it with the
# ecosystem's own tools: lintian (no errors), appstreamcli, desktop-file-validate
# and man. As root it then installs the package, starts the clock from its menu
# entry in a fresh home on an English desktop, checks that it starts in
# English, runs the command line there, removes the package and checks that
# the user's folder is left as it was.
#   CHRONIDEX_BUILD_DIR  a configured, built tree (default: build)
set -euo pipefail
source="$(cd "$(dirname "$0")/../.." && pwd)"
source "$source/tools/xvfb.sh"
build=$(cd "${CHRONIDEX_BUILD_DIR:-$source/build}" && pwd)
started=$(date +%s)
fail() { echo "FAIL: $*"; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
deb="$build/chronidex_${version}_$(dpkg --print-architecture).deb"
rm -f "$deb"
cmake --build "$build" --target deb >/dev/null
[ -f "$deb" ] || fail "no $deb"
work=$(mktemp -d)
installed=
clock_pid=
xvfb_pid=
cleanup() {
    [ -n "$clock_pid" ] && kill "$clock_pid" 2>/dev/null
    [ -n "$installed" ] && apt-get purge -y -qq chronidex >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The files as the package holds them.
tree="$work/tree"
dpkg-deb -x "$deb" "$tree"
lintian --fail-on error "$deb" ||
    fail "lintian found errors"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml >/dev/null ||
    fail "appstreamcli: $(appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.xml)"
desktop-file-validate "$tree"/usr/share/applications/*.desktop || fail "desktop-file-validate"
MANWIDTH=80 man -l --warnings "$tree/usr/share/man/man1/chronidex.1.gz" >/dev/null \
    2>"$work/man.err" || fail "man -l"
[ ! -s "$work/man.err" ] || fail "man: $(cat "$work/man.err")"
diff -r "$source/data" "$tree/usr/share/chronidex" || fail "the supplied folder is not data/"
# The version is written out in three more places; a release changes them all.
grep -q "<release version=\"$version\"" "$tree"/usr/share/metainfo/*.xml ||
    fail "the metainfo's release is not $version"
zcat "$tree/usr/share/doc/chronidex/changelog.gz" | head -n 1 | grep -q "^chronidex ($version)" ||
    fail "the changelog's first entry is not $version"
zcat "$tree/usr/share/man/man1/chronidex.1.gz" | grep -q "^\.TH .*\"chronidex $version\"" ||
    fail "the manual page is not of $version"
echo "$(basename "$deb"): lintian, appstreamcli, desktop-file-validate and man pass"

if [ "$(id -u)" -ne 0 ]; then
    echo "Not root: installing the package is skipped."
    exit 0
fi
if dpkg-query -W -f='${Status}' chronidex 2>/dev/null | grep -q 'install ok installed'; then
    echo "A chronidex package is installed already: the install check would replace and" \
        "remove it, so it is skipped."
    exit 0
fi

if [ -z "${DISPLAY:-}" ]; then
    chronidex_start_xvfb 91 140
fi

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=300 "$deb" \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
installed=1

# A fresh home, as a new user's session has it.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_DIRS
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
user="$HOME/.local/share/chronidex"

# Started as a desktop starts its menu entry: the Exec line without its field
# codes, in the entry's Path or else the home folder.
entry=$(ls /usr/share/applications/io.github.chronidex.*.desktop)
read -ra exec_line <<<"$(sed -n 's/^Exec=//p' "$entry" | head -n 1)"
command=()
for word in "${exec_line[@]}"; do [[ $word == %? ]] || command+=("$word"); done
folder=$(sed -n 's/^Path=//p' "$entry" | head -n 1)
# On an English desktop, whatever the locale of the check.
(cd "${folder:-$HOME}" && exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=en_US.UTF-8 \
    "${command[@]}") >"$work/clock.log" 2>&1 &
clock_pid=$!
window=
for _ in $(seq 150); do
    window=$(xdotool search --onlyvisible --name '^chas$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$work/clock.log"; fail "no clock window from $entry"; }
(cd /usr/share/chronidex && find . -type f) | while read -r file; do
    [ -f "$user/$file" ] || fail "the user's folder lacks $file"
done
! grep -q "No sound" "$work/clock.log" || fail "$(grep "No sound" "$work/clock.log")"
# The first start is in the desktop's language: the settings name its file
# (a length byte, then the name) and the one-shot bootstrap is gone.
[ "$(head -c 12 "$user/system/system.ini" | od -An -c | tr -s ' ')" = \
    ' \v E n g l i s h . l n g' ] || fail "the first start is not in English"
[ ! -e "$user/system/lang.ini" ] || fail "system/lang.ini is left after the first start"

# Outside a program folder the command line works on the user's folder too.
(cd "$HOME" && chronidex remind 23:59 31.12.2099 "Package check") || fail "chronidex remind"
(cd "$user" && chronidex list) >"$work/list" || fail "chronidex list exited with $?"
grep -q "Package check" "$work/list" || fail "the reminder is not listed: $(cat "$work/list")"

kill -TERM "$clock_pid"
status=0
wait "$clock_pid" || status=$?
[ "$status" -eq 0 ] || { cat "$work/clock.log"; fail "the clock ended with $status"; }
clock_pid=
sums() { (cd "$user" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
sums >"$work/before"
apt-get remove -y -qq -o DPkg::Lock::Timeout=300 chronidex >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get remove"; }
installed=
[ ! -e /usr/bin/chronidex ] || fail "/usr/bin/chronidex is left after the removal"
sums | diff "$work/before" - || fail "removing the package changed the user's folder"
# Removed, dpkg still lists it for its postrm; purged, the machine is as before.
apt-get purge -y -qq -o DPkg::Lock::Timeout=300 chronidex >/dev/null 2>&1
echo "installed, started from $(basename "$entry"), laid out $user, listed, removed;" \
    "the user's folder untouched ($(( $(date +%s) - started )) s in all)"
