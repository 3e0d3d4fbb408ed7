#!/usr/bin/env bash
# Volumes that stop answering, however they are reached, never freeze the window
# nor keep keldra-report from ending. The window is pinged throughout as a window
# manager pings it, and must answer every ping within 2.5 s (one bounded wait is
# 1.5 s); each keldra-report run must end within one wait and a margin. Needs root
# and FUSE for its mounts, made in a mount namespace of the test's own; skips with a
# message where it has none of them.
#   never_frozen_smoke.sh <folder with keldra and keldra-report> <hung_fs> <window_pinger>
#                         <drag source> <folder for screenshots>
set -u
bin="$1"
hung_fs="$2"
pinger="$3"
drag_source="$4"
shots="$5"
[ "$(id -u)" = 0 ] || { echo "SKIPPED: mounting the test's volumes needs root"; exit 77; }
[ -w /dev/fuse ] || { echo "SKIPPED: /dev/fuse is not available"; exit 77; }
[ -x "$hung_fs" ] || { echo "SKIPPED: hung_fs was not built (libfuse3-dev missing)"; exit 77; }
source "$(dirname "${BASH_SOURCE[0]}")/private_mounts.sh"
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

source "$(dirname "${BASH_SOURCE[0]}")/hung_mounts.sh"
undo_mounts() {
  undo_hung_mounts
  cleanup
}
trap undo_mounts EXIT

app="$work/app"
mkdir -p "$app" "$work/local" "$work/empty" "$work/later" "$work/real"
cp "$bin/keldra" "$bin/keldra-report" "$app/"
gate="$work/gate"  # while it exists, the deep volume answers nothing

# 1. A hung volume moved on top of a tmpfs that S shows: listed before the tmpfs.
mount_hung "$work/moved" never
mkdir -p "$work/stack"
mount -t tmpfs -o size=1m tmpfs "$work/stack" && mounts+=("$work/stack")
mount --move "$work/moved" "$work/stack" || fail "mount --move did not move the hung volume"
drives="[drives]\nC=/\nS=$work/stack\n"
letters="CS"
# 2. Local-looking volumes over a hung one: an overlay whose lower layer is on FUSE.
# Mounting asks the lower layer too, so it stops answering only once mounted.
mount_hung "$work/lower" "gate=$work/gate-lower"
mkdir -p "$work/overlay"
if timeout 30 mount -t overlay overlay -o "lowerdir=$work/lower:$work/empty" "$work/overlay" 2>"$work/overlay.err"; then
  mounts+=("$work/overlay")
  touch "$work/gate-lower"
  drives+="O=$work/overlay\n"
  letters+="O"
else
  echo "note: no overlay over FUSE here ($(cat "$work/overlay.err")): case 2 runs without it"
fi
# 4 and 5. The program's folder and a PATH entry on a volume that stops answering
# after the start: its settings files are links into it.
mount_hung "$work/deep" "deep-gate=$gate"
ln -s "$work/deep/keldra.ini" "$app/keldra.ini"
ln -s "$work/deep/drives.ini" "$app/drives.ini.real"
# 6. A pinned folder that now and then is a link into a hung volume.
mount_hung "$work/hung6" never
ln -s "$work/real" "$work/swapped"
drives+="W=$work/swapped\nL=$work/later\n"
letters+="W"
printf "$drives" >"$work/drives.ini"
printf '[keldra]\ndrive_being_monitored_letters=%s\ntimer_interval=300\nShow_Total_of_All_Drives_CheckBox=1\n' "$letters" >"$work/keldra.ini.start"
# The settings as the window starts with them, before the volume goes away: read
# through the links, from files the volume does not have (a missing file gives the
# defaults), so keldra.ini is made here for the start and linked afterwards.
rm "$app/keldra.ini" "$app/drives.ini.real"
cp "$work/keldra.ini.start" "$app/keldra.ini"
cp "$work/drives.ini" "$app/drives.ini"

# One wait of 1.5 s for the passes, one for reading drives.ini and keldra.ini, and
# a busy machine's margin. A report stuck in a volume cannot even be killed: it is
# not waited for past the bound.
report_bound=8
run_report() {
  local start=$SECONDS report_pid
  "$app/keldra-report" >"$work/report.out" 2>&1 </dev/null &
  report_pid=$!
  pids+=("$report_pid")
  wait_until "$report_bound" eval "! kill -0 $report_pid" ||
    fail "keldra-report was still running after $report_bound s ($1): $(cat "$work/report.out")"
  echo "keldra-report ($1): $((SECONDS - start)) s"
}
run_report "stacked, overlay and links"
grep -q $'^S:\t100\tred\t0$' "$work/report.out" || fail "S: is not the hung volume on top: $(cat "$work/report.out")"
grep -q $'^C:\t[0-9]*\t[a-z]*\t[0-9.]* [KMGT]B / ' "$work/report.out" || fail "C: lost its figures: $(cat "$work/report.out")"

start_keldra
"$pinger" "$win" 1000 >"$work/pings" &
pinger_pid=$!
pids+=("$pinger_pid")

# 3. A hung volume mounted at a pinned folder since the last pass: the chooser
# opens within a wait, and a dropped local file is taken.
mount_hung "$work/later" never
menu_command f s
dialog="$(wait_for_window 'Keldra Options Setup :')"
[ -n "$dialog" ] || fail "the options dialog did not open with a hung volume at L"
import -window root "$shots/keldra-frozen-chooser.png"
activate "$dialog" || fail "the options dialog could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 30 no_visible_window 'Keldra Options Setup :' || fail "the options dialog did not close"
echo dropped >"$work/local/file.txt"
"$drag_source" "$work/local/file.txt" >"$work/drag.out" 2>"$work/drag.log" &
pids+=($!)
source_win="$(wait_for_window '^Keldra drag source$')"
[ -n "$source_win" ] || fail "the drag source did not appear: $(cat "$work/drag.log")"
activate "$source_win" || fail "the drag source could not be activated"
drag_between "$source_win" "$win"
wait_until 60 test -s "$work/drag.out" || fail "the drag did not end: $(cat "$work/drag.log")"

# 4. The program's folder stops answering; then a mount anywhere makes the table
# look at drives.ini again.
rm "$app/keldra.ini" "$app/drives.ini"
ln -s "$work/deep/keldra.ini" "$app/keldra.ini"
ln -s "$work/deep/drives.ini" "$app/drives.ini"
touch "$gate"
mkdir -p "$work/elsewhere"
mount -t tmpfs -o size=1m tmpfs "$work/elsewhere" && mounts+=("$work/elsewhere")
# 5. The opener looked for on a PATH whose first folder is on that volume: Help >
# View Readme file, from a window started with that PATH, is shown in the next
# step's window (this one keeps its own PATH).
# 6. The pinned folder swapped with a link into the hung volume, over and over,
# while keldra-report runs.
(
  while :; do
    ln -sfn "$work/hung6" "$work/swap.new" && mv -T "$work/swap.new" "$work/swapped"
    ln -sfn "$work/real" "$work/swap.new" && mv -T "$work/swap.new" "$work/swapped"
  done
) &
swapper=$!
pids+=("$swapper")
for run in 1 2 3 4 5 6; do run_report "a pinned folder swapped with a link, run $run"; done
kill "$swapper"
# Another visible window of the program's: a message box.
message_box() {
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$w" != "$win" ] && xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -q " $keldra_pid$" && echo "$w"
  done | head -n1
}
has_message_box() { [ -n "$(message_box)" ]; }
no_message_box() { [ -z "$(message_box)" ]; }

# Closing with the folder gone: one wait, "Unable to write to", the window stays.
wmctrl -i -c "$win"
wait_until 30 has_message_box || fail "closing with the folder gone showed no message"
import -window root "$shots/keldra-frozen-unwritable.png"
kill -0 "$keldra_pid" 2>/dev/null || fail "the window went away although nothing could be saved"
activate "$(message_box)" && xdotool key Return
wait_until 30 no_message_box || fail "the message did not close"

kill "$pinger_pid" 2>/dev/null
wait "$pinger_pid" 2>/dev/null
read -r _ answered _ longest <<<"$(tail -n1 "$work/pings")" || fail "the pinger printed nothing"
echo "window: $answered pings answered, the longest wait $longest ms"
grep slow "$work/pings" || true
[ "$answered" -gt 20 ] || fail "only $answered pings answered"
[ "$longest" -lt 2500 ] || fail "the window did not answer a ping for $longest ms"

# 5, in a window of its own started with a hung folder first on PATH.
kill -9 "$keldra_pid" 2>/dev/null
rm "$gate"
rm "$app/keldra.ini" "$app/drives.ini"
cp "$work/keldra.ini.start" "$app/keldra.ini"
cp "$work/drives.ini" "$app/drives.ini"
# The opener is found past the hung folder: a stand-in that notes what it was asked
# to open, so that the test does not depend on the machine having one.
mkdir -p "$work/opener"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/opened"\n' "$work" >"$work/opener/xdg-open"
chmod +x "$work/opener/xdg-open"
PATH="$work/deep/bin:$work/opener:$PATH" start_keldra
touch "$gate"
"$pinger" "$win" 1000 >"$work/pings" &
pinger_pid=$!
pids+=("$pinger_pid")
menu_command h v
wait_until 30 test -s "$work/opened" ||
  fail "Help > View Readme file opened nothing with a hung folder first on PATH"
grep -q 'keldra\.txt$' "$work/opened" || fail "the opener was given $(cat "$work/opened")"
import -window root "$shots/keldra-frozen-path.png"
kill "$pinger_pid" 2>/dev/null
wait "$pinger_pid" 2>/dev/null
read -r _ answered _ longest <<<"$(tail -n1 "$work/pings")" || fail "the pinger printed nothing"
echo "window with a hung PATH: $answered pings answered, the longest wait $longest ms"
[ "$longest" -lt 2500 ] || fail "the window did not answer a ping for $longest ms"
echo "PASSED: stacked, overlaid, late, deep, swapped and PATH volumes froze nothing"
