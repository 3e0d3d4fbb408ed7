#!/usr/bin/env bash
# keldra-report --watch 1 --notify against a test notification server on a private
# session bus: small tmpfs volumes filled past the limits, one mounted read-only, and
# a hung one. Root, in a mount namespace of its own.
#   notify_test.sh <keldra-report> [hung_fs]
set -u
report="$1"
hung_fs="${2:-}"
[ "$(id -u)" = 0 ] || { echo "SKIPPED: mounting the test's volumes needs root"; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/private_mounts.sh"
python=/usr/bin/python3
if [ -z "${KELDRA_TEST_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIPPED: dbus-run-session is not installed"; exit 77; }
  "$python" -c 'import dbus, gi' 2>/dev/null ||
    { echo "SKIPPED: python3-dbus and python3-gi are not installed"; exit 77; }
  KELDRA_TEST_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/session_basics.sh"
app="$work/app"
mkdir -p "$app" "$work/bin"
cp "$report" "$app/keldra-report"
# The file manager a notice's "Open" starts: it records the folder it was given.
printf '#!/bin/sh\necho "$1" >>%s/opened\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

undo_mounts() {
  [ -n "$hung_fs" ] && undo_hung_mounts
  for m in "$work/t" "$work/r"; do umount -l "$m" 2>/dev/null; done
  cleanup
}
[ -n "$hung_fs" ] && source "$(dirname "${BASH_SOURCE[0]}")/hung_mounts.sh"
trap undo_mounts EXIT
mkdir -p "$work/t" "$work/r"
mount -t tmpfs -o size=1m keldra-test "$work/t" || { echo "SKIPPED: cannot mount tmpfs"; exit 77; }
mount -t tmpfs -o size=1m keldra-test "$work/r"
# Fills a volume to the share used given, in 4-KiB blocks of its 256.
fill_to() {
  rm -f "$1/fill"
  dd if=/dev/zero of="$1/fill" bs=4096 count=$(($2 * 256 / 100)) status=none
}
fill_to "$work/r" 95
mount -o remount,ro "$work/r"
fill_to "$work/t" 50
letters=TR
pins="T=$work/t\nR=$work/r\n"
if [ -x "$hung_fs" ] && [ -w /dev/fuse ]; then
  mount_hung "$work/h" never
  letters=TRH
  pins="${pins}H=$work/h\n"
else
  echo "NOTE: no hung volume in this run (hung_fs or /dev/fuse missing)"
fi
printf "[drives]\n$pins" >"$app/drives.ini"
printf '[keldra]\r\ndrive_being_monitored_letters=%s\r\n' "$letters" >"$app/keldra.ini"
# Below 10 % and 1 GiB: on a 1 MiB volume, the share decides.
printf '[notices]\nfree_percent=10\nfree_megabytes=1024\n' >"$app/notices.ini"

log="$work/notices"
touch "$work/out"
"$python" "$(dirname "${BASH_SOURCE[0]}")/notice_server.py" "$log" &
pids+=($!)
wait_until 60 test -e "$log.ready" || fail "the test notification server did not start"
touch "$log"
PATH="$work/bin:$PATH" "$app/keldra-report" --watch 1 --notify --waybar >"$work/out" 2>"$work/err" &
pids+=($!)

lines() { wc -l <"$1"; }
at_least() { [ "$(lines "$1")" -ge "$2" ]; }
# Waits for two more passes than have been reported: whatever they raise is in the log.
two_passes() {
  local now
  now="$(lines "$work/out")"
  wait_until 60 at_least "$work/out" $((now + 2)) || fail "the reports stopped: $(cat "$work/err")"
}
notices_are() {
  [ "$(lines "$log")" = "$1" ] || fail "$2: $(lines "$log") notices, not $1: $(cat "$log") $(cat "$work/err")"
}

two_passes
notices_are 0 "T at 50 %, R read-only at 95 %${hung_fs:+, H hung}"
fill_to "$work/t" 95  # 13 blocks free, 5 %
wait_until 60 at_least "$log" 1 || fail "no notice when T fell below the limits: $(cat "$work/err")"
two_passes
notices_are 1 "T stayed below the limits"
IFS=$'\t' read -r id replaces summary body keys <"$log"
[ "$summary" = "Low disk space on T:" ] || fail "the notice says '$summary'"
[ "$keys" = "default,open,quiet" ] || fail "the notice offers '$keys'"
grep -qE '^noticed_T=[0-9]+$' "$app/notices.ini" || fail "the notice was not remembered: $(cat "$app/notices.ini")"

fill_to "$work/t" 98  # 6 blocks free: halved
wait_until 60 at_least "$log" 2 || fail "no notice when T's free space halved"
two_passes
notices_are 2 "T stayed at 98 %"
[ "$(sed -n 2p "$log" | cut -f2)" = "$id" ] || fail "the second notice did not replace the first: $(cat "$log")"

echo "$id open" >"$log.invoke"
wait_until 60 test -s "$work/opened" || fail "Open did not start the file manager"
[ "$(cat "$work/opened")" = "$work/t" ] || fail "Open opened '$(cat "$work/opened")'"
echo "$id quiet" >"$log.invoke"
wait_until 60 grep -q '^quiet_drives=T$' "$app/notices.ini" ||
  fail "don't warn again was not kept: $(cat "$app/notices.ini")"
fill_to "$work/t" 50
two_passes
fill_to "$work/t" 99
two_passes
notices_are 2 "T fell again after don't warn again"
echo "PASSED: one notice below the limits, one when halved, none while it stays, none after don't warn again, none for read-only or hung volumes"
