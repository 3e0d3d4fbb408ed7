#!/usr/bin/env bash
# The package installed on this machine as a user installs it, started from its menu
# entry, closed, and removed: run by hand as root (it installs and removes the
# package system-wide, which no test suite should do behind its user's back).
#   package_install_check.sh <keldra_…deb> <folder for screenshots>
set -u
deb="$(realpath "$1")"
shots="$2"
[ "$(id -u)" = 0 ] || { echo "SKIPPED: installing a package needs root"; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb" >"$work/apt.log" 2>&1 || fail "apt install failed: $(tail -5 "$work/apt.log")"
files="$(dpkg -L keldra | while read -r f; do [ -f "$f" ] && echo "$f"; done)"

home="$work/home"
mkdir -p "$home"
exec_line="$(sed -n 's/^Exec=//p' /usr/share/applications/org.example.keldra.desktop)"
(cd "$home" && env -u XDG_CONFIG_HOME HOME="$home" sh -c "exec $exec_line") >"$work/keldra.log" 2>&1 &
keldra_pid=$!
pids+=("$keldra_pid")
win="$(wait_for_window '^Keldra v')"
[ -n "$win" ] || fail "the installed keldra showed no window: $(cat "$work/keldra.log")"
import -window root "$shots/keldra-installed.png" 2>/dev/null
activate "$win" || fail "the window could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 60 gone "$keldra_pid" || fail "keldra did not close"
grep -q '^window_left_posn=' "$home/.config/keldra/keldra.ini" ||
  fail "closing wrote no ~/.config/keldra/keldra.ini: $(find "$home" | tr '\n' ' ')"

apt-get remove -y keldra >>"$work/apt.log" 2>&1 || fail "apt remove failed"
left="$(for f in $files; do [ -e "$f" ] && echo "$f"; done)"
[ -z "$left" ] || fail "apt remove left the package's files: $left"
echo "PASSED: installed, started from its menu entry, settings kept in ~/.config/keldra, removed clean"
