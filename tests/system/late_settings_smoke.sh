#!/usr/bin/env bash
# keldra.ini behind a link to a share that answers late: the window opens with the
# defaults after one wait and takes the file's settings once it answers; a close
# while it has never answered asks before the session's changes are lost. Needs
# root and FUSE for the share, mounted in a mount namespace of the test's own.
#   late_settings_smoke.sh <folder with keldra> <hung_fs> <folder for screenshots>
set -u
bin="$1"
hung_fs="$2"
shots="$3"
[ "$(id -u)" = 0 ] || { echo "SKIPPED: mounting the test's share needs root"; exit 77; }
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
mkdir -p "$app"
cp "$bin/keldra" "$app/"
printf '[drives]\nC=/\n' >"$app/drives.ini"
ln -s "$work/share/keldra.ini" "$app/keldra.ini"
touch "$work/gate"
export HUNG_FS_TEXT=$'[keldra]\r\nwindow_top_posn=300\r\nwindow_left_posn=400\r\n'
mount_hung "$work/share" "late-file=$work/gate"

# The file answers after the window is up: its place is taken then.
start_keldra
first="$(frame_position)"
[ "$first" != 400,300 ] || fail "the window waited for a file that does not answer"
rm "$work/gate"
# Applied at the first pass after the share answers: the default interval is 30 s.
at_saved_place() { [ "$(frame_position)" = 400,300 ]; }
wait_until 120 at_saved_place ||
  fail "the late settings were never applied (the window is at $(frame_position), opened at $first)"
# The share takes no writes: a close would say so, which is not this test's case.
kill -9 "$keldra_pid"
wait_until 60 gone "$keldra_pid" || fail "the window did not end on SIGKILL"

# It never answers: the user moves the window and closes it, and is asked first.
touch "$work/gate"
umount -l "$work/share"
mount_hung "$work/share" "late-file=$work/gate"
start_keldra
parent="$(xwininfo -id "$win" -tree | awk '/Parent window id:/ {print $4}')"
xdotool windowmove "$parent" 600 500
expect_soon frame_position 600,500 >/dev/null || fail "the window did not move to 600,500"
activate "$win" || fail "the window could not be activated"
xdotool key --clearmodifiers alt+F4
question="$(wait_for_window '^Warning$')"
[ -n "$question" ] || fail "a close with the session unsaved asked nothing: $(cat "$work/keldra.log")"
import -window root "$shots/keldra-late-settings-question.png" 2>/dev/null
kill -0 "$keldra_pid" || fail "the window closed before the user answered"
activate "$question" || fail "the question could not be activated"
xdotool key --clearmodifiers Return # No, the default: the window stays
wait_until 30 no_visible_window '^Warning$' || fail "the question stayed after No"
kill -0 "$keldra_pid" || fail "No closed the window"
activate "$win" || fail "the window could not be activated again"
xdotool key --clearmodifiers alt+F4
question="$(wait_for_window '^Warning$')"
[ -n "$question" ] || fail "the second close asked nothing"
activate "$question" || fail "the second question could not be activated"
xdotool key --clearmodifiers y
wait_until 60 gone "$keldra_pid" || fail "Yes did not close the window"
echo "PASSED: late settings applied when they came; a close before they came asked first"
