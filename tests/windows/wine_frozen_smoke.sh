#!/usr/bin/env bash
# keldra.exe under Wine never waits on a volume on its window's thread: a drive
# whose volume answers after 3 s, and the options dialog while a mount that maps to
# no drive never answers (Wine looks at every mount point to tell a drive's type).
# The window is pinged throughout as a window manager pings it and must answer
# every ping within 2.5 s (one bounded wait is 1.5 s). The mounts are made in a
# private mount namespace, so that nothing else on the machine sees them; needs
# root, FUSE and unshare, and skips with a message where it has none of them.
#   wine_frozen_smoke.sh <folder with keldra.exe> <Linux folder with hung_fs and
#                        window_pinger> <folder for screenshots>
set -u
bin="$1"
linux_bin="$2"
shots="$3"
[ "$(id -u)" = 0 ] || { echo "SKIPPED: mounting the test's volumes needs root"; exit 77; }
[ -w /dev/fuse ] || { echo "SKIPPED: /dev/fuse is not available"; exit 77; }
for tool in "$linux_bin/hung_fs" "$linux_bin/window_pinger"; do
  [ -x "$tool" ] || { echo "SKIPPED: $tool was not built"; exit 77; }
done
source "$(dirname "${BASH_SOURCE[0]}")/../system/private_mounts.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../system/x_session.sh"
require_tools wine
[ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX/dosdevices" ] || skip "no Wine prefix (WINEPREFIX) to run in"

# A prefix of the test's own, whose Wine server starts in this namespace: the
# server opens the files its programs ask for, so it must see the test's mounts.
# Linked, not copied (Wine replaces the files it changes), but for the registry.
cp -al "$WINEPREFIX" "$work/prefix"
for hive in system.reg user.reg userdef.reg; do
  rm -f "$work/prefix/$hive"
  cp "$WINEPREFIX/$hive" "$work/prefix/$hive"
done
export WINEPREFIX="$work/prefix"
devices="$WINEPREFIX/dosdevices"
rm -f "$devices/d:"
hung_fs="$linux_bin/hung_fs"
source "$(dirname "${BASH_SOURCE[0]}")/../system/hung_mounts.sh"
undo() {
  undo_hung_mounts
  wineserver -k 2>/dev/null
  cleanup
}
trap undo EXIT

app="$work/app"
mkdir -p "$app"
cp "$bin/keldra.exe" "$app/"
# 9. D: on a volume that answers after 3 s.
mount_hung "$work/slow" delay=3
ln -s "$work/slow" "$devices/d:"
printf '[keldra]\r\ndrive_being_monitored_letters=cd\r\ntimer_interval=1000\r\nShow_Total_of_All_Drives_CheckBox=1\r\n' >"$app/keldra.ini"

started=$SECONDS
(cd "$app" && exec wine "$app/keldra.exe") >"$work/keldra.log" 2>&1 &
keldra_pid=$!
pids+=("$keldra_pid")
win="$(wait_for_window '^Keldra v3\.6f$')"
[ -n "$win" ] || fail "no keldra.exe window appeared: $(cat "$work/keldra.log")"
echo "window on screen after $((SECONDS - started)) s"
# check_pings <file> <what> [<fewest answers>]: how the pinger did; fails past 2.5 s.
check_pings() {
  local answered longest fewest="${3:-20}"
  read -r _ answered _ longest <<<"$(tail -n1 "$1")" || fail "the pinger printed nothing"
  echo "$2: $answered pings answered, the longest wait $longest ms"
  grep slow "$1" || true
  [ "$answered" -ge "$fewest" ] || fail "only $answered pings answered ($2)"
  [ "$longest" -lt 2500 ] || fail "the window did not answer a ping for $longest ms ($2)"
}
# Two hundred pings, at least ten seconds: ten passes at one a second over the
# slow drive, each asking it while the last question may still be out.
"$linux_bin/window_pinger" "$win" 300 200 >"$work/pings"
check_pings "$work/pings" "a drive answering in 3 s"
import -window root "$shots/keldra-wine-slow-drive.png"
"$linux_bin/window_pinger" "$win" 1000 >"$work/pings-opening" &
pinger_pid=$!
pids+=("$pinger_pid")

# 10. A mount that maps to no drive stops answering; then File > Settings.
mount_hung "$work/nowhere" never
menu_command f s
dialog="$(wait_for_window 'Keldra Options Setup :')"
[ -n "$dialog" ] || fail "the options dialog did not open while a mount hangs"
import -window root "$shots/keldra-wine-chooser-hung.png"
kill "$pinger_pid" 2>/dev/null
wait "$pinger_pid" 2>/dev/null
check_pings "$work/pings-opening" "opening the options dialog while a mount hangs" 1
# The main window, under its open dialog, answers on, passes and all.
"$linux_bin/window_pinger" "$win" 300 60 >"$work/pings"
check_pings "$work/pings" "the options dialog open while a mount hangs"
activate "$dialog" || fail "the options dialog could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 30 no_visible_window 'Keldra Options Setup :' || fail "the options dialog did not close"

echo "PASSED: a slow drive and a hung mount froze nothing"
