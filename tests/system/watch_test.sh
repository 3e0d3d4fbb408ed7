#!/usr/bin/env bash
# keldra-report as a status bar runs it.
#   watch_test.sh stream  <keldra-report>              --watch: a report a second, ended
#                                                      by SIGTERM, SIGINT or its reader
#   watch_test.sh classes <keldra-report> <hung_fs>    --waybar's class on a tmpfs filled
#                                                      past each limit and on a hung volume
#                                                      (root, in a mount namespace of its own)
set -u
mode="$1"
report="$2"
hung_fs="${3:-}"
if [ "$mode" = classes ]; then
  [ "$(id -u)" = 0 ] || { echo "SKIPPED: mounting the test's volumes needs root"; exit 77; }
  [ -w /dev/fuse ] || { echo "SKIPPED: /dev/fuse is not available"; exit 77; }
  source "$(dirname "${BASH_SOURCE[0]}")/private_mounts.sh"
fi
source "$(dirname "${BASH_SOURCE[0]}")/session_basics.sh"
app="$work/app"
mkdir -p "$app"
cp "$report" "$app/keldra-report"
settings() { printf '[keldra]\r\ndrive_being_monitored_letters=%s\r\n' "$1" >"$app/keldra.ini"; }
gone() { ! kill -0 "$1" 2>/dev/null; }
lines_in() { [ "$(wc -l <"$1")" -ge "$2" ]; }
# Where a report that did not end is, and its helpers; then it is killed, so that
# the cleanup's wait for the test's processes does not wait for it.
stuck_where() {
  ps -o pid,stat,wchan:32,args -p "$1" --ppid "$1" 2>&1 | tr '\n' ';'
  grep -h '^SigCgt\|^SigIgn\|^SigPnd\|^ShdPnd' "/proc/$1/status" 2>/dev/null | tr '\n' ';'
  kill -9 "$1" 2>/dev/null
}

if [ "$mode" = stream ]; then
  printf '[drives]\nC=/\n' >"$app/drives.ini"
  settings C
  for signal in TERM INT; do
    "$app/keldra-report" --watch 1 --waybar >"$work/out" 2>"$work/err" &
    pid=$!
    wait_until 60 lines_in "$work/out" 3 || fail "--watch 1 gave $(wc -l <"$work/out") lines: $(cat "$work/err")"
    grep -qvE '^\{"text": "C [0-9]+%", "tooltip": ".*", "class": "(ok|warning|critical)", "percentage": [0-9]+\}$' \
      "$work/out" && fail "a line is not waybar's: $(cat "$work/out")"
    kill -s "$signal" "$pid"
    wait_until 30 gone "$pid" || fail "SIG$signal did not end --watch: $(stuck_where "$pid")"
    wait "$pid"
    status=$?
    [ "$status" = 0 ] || fail "SIG$signal ended --watch with status $status"
  done
  # The reader goes: the stream ends with it, not at its next write a second later.
  mkfifo "$work/pipe"
  "$app/keldra-report" --watch 60 >"$work/pipe" 2>"$work/err" &
  pid=$!
  exec 4<"$work/pipe"
  read -r first <&4 || fail "no first report through the pipe"
  exec 4<&-
  wait_until 30 gone "$pid" || fail "--watch outlived its reader"
  wait "$pid"
  status=$?
  [ "$status" = 0 ] || fail "a reader gone ended --watch with status $status: $(cat "$work/err")"
  echo "PASSED: a report a second, ended by SIGTERM, SIGINT and its reader going"
  exit 0
fi

[ -x "$hung_fs" ] || { echo "SKIPPED: hung_fs was not built (libfuse3-dev missing)"; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/hung_mounts.sh"
undo_mounts() {
  undo_hung_mounts
  umount -l "$work/t" 2>/dev/null
  cleanup
}
trap undo_mounts EXIT
mkdir -p "$work/t"
mount -t tmpfs -o size=1m keldra-test "$work/t" || { echo "SKIPPED: cannot mount tmpfs"; exit 77; }
mount_hung "$work/h" never
printf '[drives]\nT=%s\nH=%s\n' "$work/t" "$work/h" >"$app/drives.ini"
settings T
class_now() { "$app/keldra-report" --waybar | sed -n 's/.*"class": "\([a-z]*\)".*/\1/p'; }
# Fills the volume to the share used given, in 4-KiB blocks of its 256.
fill_to() {
  rm -f "$work/t/fill"
  dd if=/dev/zero of="$work/t/fill" bs=4096 count=$(($1 * 256 / 100)) status=none
}
for step in 50:ok 90:warning 99:critical; do
  fill_to "${step%%:*}"
  got="$(class_now)"
  "$app/keldra-report" --waybar | grep -q "\"text\": \"T ${step%%:*}%\"" ||
    fail "the row is not T at ${step%%:*} %: $("$app/keldra-report" --waybar)"
  [ "$got" = "${step#*:}" ] ||
    fail "at ${step%%:*} % the class is '$got', not ${step#*:}: $("$app/keldra-report" --waybar)"
done
settings TH
got="$(class_now)"
[ "$got" = stale ] || fail "with a hung volume the class is '$got': $("$app/keldra-report" --waybar)"
# Its volume gone from a folder the system means for one: not mounted, no figures.
settings T
printf 'keldra-test %s tmpfs size=1m 0 0\n' "$work/t" >"$work/fstab"
mount --bind "$work/fstab" /etc/fstab || fail "could not put a test fstab in place"
umount "$work/t"
json="$("$app/keldra-report" --json)"
umount -l /etc/fstab
grep -q '"label": "T:".*"total_kb": 0,.*"state": "not mounted"' <<<"$json" ||
  fail "an unmounted T did not read as not mounted: $json"
echo "PASSED: ok, warning, critical and stale as the volumes are; not mounted when unmounted"
