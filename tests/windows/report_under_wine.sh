#!/bin/bash
# keldra-report.exe under Wine against the Linux keldra-report on the same
# folders: Wine's drive letters M: and N: are made to stand for two folders, and
# the Linux program is given the same two letters through drives.ini. Both must
# print the same rows. Where this user may mount, the folders are tmpfs volumes of
# fixed sizes, so that nothing else can change their figures between the runs, in a
# mount namespace of the test's own with a Wine server of its own.
# usage: report_under_wine.sh <keldra-report.exe> <keldra-report>
set -u
exe="$1"
linux_report="$2"
fail() { echo "FAILED: $*" >&2; exit 1; }
command -v wine >/dev/null || { echo "SKIPPED: wine is not installed"; exit 77; }
[ -x "$linux_report" ] || { echo "SKIPPED: no Linux keldra-report at $linux_report"; exit 77; }
[ -n "${WINEPREFIX:-}" ] || fail "WINEPREFIX is not set (run through scripts/test-windows.sh)"
[ "$(id -u)" = 0 ] && source "$(dirname "${BASH_SOURCE[0]}")/../system/private_mounts.sh"

work="$(mktemp -d)"
mounted=()
cleanup() {
  # The server started here lives in this test's mount namespace: the next test
  # starts its own in the machine's.
  wineserver -k 2>/dev/null
  for m in "${mounted[@]}"; do umount "$m" 2>/dev/null; done
  rm -f "$WINEPREFIX/dosdevices/m:" "$WINEPREFIX/dosdevices/n:"
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/m" "$work/n" "$work/win" "$work/linux"
if [ "$(id -u)" = 0 ] && mount -t tmpfs -o size=3m tmpfs "$work/m" 2>/dev/null; then
  mounted+=("$work/m")
  mount -t tmpfs -o size=64m tmpfs "$work/n" && mounted+=("$work/n")
  head -c 1500000 /dev/zero >"$work/m/filler"  # about half full
  volumes="tmpfs volumes of 3 MB (half full) and 64 MB"
else
  volumes="two folders on the filesystem of $work (no mounting for this user)"
fi
ln -s "$work/m" "$WINEPREFIX/dosdevices/m:"
ln -s "$work/n" "$WINEPREFIX/dosdevices/n:"
# Wine's mount manager reads the drive links when its server starts: a new server
# sees the two new letters (the tests run one at a time, so none is cut short).
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
wineserver -p 2>/dev/null || true

ini=$'[keldra]\r\ndrive_being_monitored_letters=mn\r\nShow_Total_of_All_Drives_CheckBox=1\r\n'
cp "$exe" "$work/win/keldra-report.exe"
printf '%s' "$ini" >"$work/win/keldra.ini"
cp "$linux_report" "$work/linux/keldra-report"
printf '%s' "$ini" >"$work/linux/keldra.ini"
printf '[drives]\nM=%s\nN=%s\n' "$work/m" "$work/n" >"$work/linux/drives.ini"

# The same figures from both, unless a plain folder's filesystem moved between the
# two runs, or a drive missed the pass's bounded wait (a Wine server just started on
# a busy machine can take that long to answer at first): then they are asked again.
# A real disagreement stays through every attempt.
for attempt in 1 2 3; do
  windows_rows="$(wine "$work/win/keldra-report.exe" 2>"$work/wine.err" | tr -d '\r')"
  linux_rows="$("$work/linux/keldra-report")"
  [ "$windows_rows" = "$linux_rows" ] && break
done
echo "volumes: $volumes"
echo "Windows rows:"; echo "$windows_rows"
echo "Linux rows:"; echo "$linux_rows"
[ "$(echo "$windows_rows" | cut -f1 | tr '\n' ' ')" = "M: N: Tot: " ] ||
  fail "expected rows M:, N: and Tot:; stderr: $(cat "$work/wine.err")"
echo "$windows_rows" | grep -q $'^M:\t[0-9]*\t[a-z]*\t[0-9]' || fail "M: has no figures"
[ "$windows_rows" = "$linux_rows" ] || fail "the two programs disagree"

# Hand-edited settings files read the same through Windows' profile calls as
# through Keldra's own engine: rows, error text and exit status. (Each names its
# letters: C: itself is a different volume for the two programs.)
variants=(
  $'[KELDRA]\r\n  drive_being_monitored_letters = "nm" \r\n'
  $'[keldra]\ndrive_being_monitored_letters=m\n[keldra]\ndrive_being_monitored_letters=n\n'
  $'; comment\n[other]\ndrive_being_monitored_letters=c\n[keldra]\nShow_Total_of_All_Drives_CheckBox=0x1\ndrive_being_monitored_letters=N\n'
  $'[keldra]\ndrive_being_monitored_letters=m1n\n'
  $'[keldra]\ndrive_being_monitored_letters=\n'
)
for ini_text in "${variants[@]}"; do
  printf '%s' "$ini_text" >"$work/win/keldra.ini"
  printf '%s' "$ini_text" >"$work/linux/keldra.ini"
  # Asked again when they differ, as above: a drive that missed the bounded wait on
  # a busy machine reads as unanswered for that run only.
  for attempt in 1 2 3; do
    windows_out="$(wine "$work/win/keldra-report.exe" 2>"$work/wine.err" | tr -d '\r'; echo "exit ${PIPESTATUS[0]}")"
    windows_out+=$'\n'"$(tr -d '\r' <"$work/wine.err" | grep -v '^wine:')"
    linux_out="$("$work/linux/keldra-report" 2>"$work/linux.err"; echo "exit $?")"
    linux_out+=$'\n'"$(cat "$work/linux.err")"
    [ "$windows_out" = "$linux_out" ] && break
  done
  [ "$windows_out" = "$linux_out" ] || fail "keldra.ini $(printf '%q' "$ini_text"):
Windows:
$windows_out
Linux:
$linux_out"
done
echo "${#variants[@]} hand-edited settings files: the same rows, errors and exit status"

drives="$(wine "$work/win/keldra-report.exe" --drives 2>/dev/null | tr -d '\r')"
echo "Windows drive table:"; echo "$drives"
echo "$drives" | grep -q $'^M\tfixed\tM:\\\\' || fail "M: is not a fixed drive with root M:\\"
echo "$drives" | grep -q $'^C\tfixed\tC:\\\\\tc: \\[' || fail "C: has no chooser entry"

# --notify: limits no drive can stay above, so that M: is noticed at the first pass; the
# notification area must take the balloon, and the notice file remember it.
printf '[keldra]\r\ndrive_being_monitored_letters=m\r\n' >"$work/win/keldra.ini"
printf '[notices]\r\nfree_percent=100\r\nfree_megabytes=1000000000\r\n' >"$work/win/notices.ini"
wine "$work/win/keldra-report.exe" --watch 1 --notify --waybar >"$work/notify.out" 2>"$work/notify.err" &
notifier=$!
for _ in $(seq 600); do
  grep -q '^noticed_M=[0-9]' "$work/win/notices.ini" && [ "$(wc -l <"$work/notify.out")" -ge 2 ] && break
  kill -0 "$notifier" 2>/dev/null || break
  sleep 0.1
done
kill "$notifier" 2>/dev/null
wait "$notifier" 2>/dev/null
grep -q '^noticed_M=[0-9]' "$work/win/notices.ini" ||
  fail "--notify did not notice M: $(cat "$work/win/notices.ini" "$work/notify.err")"
grep -q 'keldra-report:' "$work/notify.err" && fail "--notify complained: $(cat "$work/notify.err")"
echo "--notify: M: noticed, the balloon taken by the notification area"
echo "PASSED"
