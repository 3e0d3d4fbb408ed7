#!/usr/bin/env bash
# Starts the real keldra on a real X server (Xvfb) under a small window manager and
# checks what a user would see: where the window stands, the size of its client
# area, the keep-above state after "&Always On Top", the options dialog, and the
# settings file written when the user closes the window. Screenshots go to the
# build folder.
#   xvfb_smoke.sh <folder with keldra and keldra-report> <folder for screenshots> [--in-place]
# With --in-place the programs run where they are (an installation) instead of
# from a copy.
set -u
bin="$1"
shots="$2"
in_place="${3:-}"
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

if [ "$in_place" = "--in-place" ]; then
  app="$bin"
else
  app="$work/app"
  mkdir -p "$app"
  cp "$bin/keldra" "$bin/keldra-report" "$app/"
fi
mkdir -p "$work/vol"
printf '[drives]\nC=/\nD=%s\n' "$work/vol" >"$app/drives.ini"
printf '[keldra]\nwindow_top_posn=60\nwindow_left_posn=70\ndrive_being_monitored_letters=cd\nShow_Total_of_All_Drives_CheckBox=1\n' >"$app/keldra.ini"

start_keldra
size="$(expect_soon client_size 189x69)" || fail "client area is '$size', expected 189x69 for three rows"
pos="$(expect_soon frame_position 70,60)" || fail "outer frame at $pos, expected the stored 70,60"
import -window root "$shots/keldra-smoke-main.png" || fail "screenshot failed"

check_keep_above_toggles
check_options_dialog "$shots/keldra-smoke-options.png"
check_about_box "$shots/keldra-smoke-about.png"

# Closing as a user does: File > Exit.
menu_command f x
wait_until 60 gone "$keldra_pid" || fail "keldra did not exit after File > Exit"
wait "$keldra_pid"
code=$?
[ "$code" -eq 0 ] || fail "keldra exited with $code"
expected="$work/expected.ini"
# Keys already in the file keep their lines; the missing ones are appended in order.
printf '[keldra]\nwindow_top_posn=60\nwindow_left_posn=70\ndrive_being_monitored_letters=CD\nShow_Total_of_All_Drives_CheckBox=1\nwindow_ClientWidth=189\ntimer_interval=30000\nAlways_on_Top_Option=0\nAuto_Run_at_Windows_Startup_Option=0\n' >"$expected"
cmp -s "$expected" "$app/keldra.ini" || fail "keldra.ini after closing:
$(cat "$app/keldra.ini")"

# No settings file yet, but a link where the user wants it kept (a dotfiles folder),
# and a file of the user's that looks like a temporary: the defaults, and the first
# close writes all eight keys where the link points, leaving both alone.
rm -f "$app/keldra.ini"
mkdir -p "$work/dotfiles"
ln -s "$work/dotfiles/keldra.ini" "$app/keldra.ini"
echo mine >"$app/.keldra.ini.backup"
touch -d '2 hours ago' "$app/.keldra.ini.backup"
start_keldra
size="$(expect_soon client_size 189x29)" || fail "with no settings the client area is '$size', expected 189x29 (drive C)"
pos="$(expect_soon frame_position 50,50)" || fail "with no settings the frame is at $pos, expected 50,50"
activate "$win" || fail "the main window could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 60 gone "$keldra_pid" || fail "keldra did not exit after Alt+F4"
wait "$keldra_pid" 2>/dev/null
# A new file is written with CR LF, as the system's own profile calls write one.
printf '[keldra]\r\nwindow_top_posn=50\r\nwindow_left_posn=50\r\nwindow_ClientWidth=189\r\ntimer_interval=30000\r\ndrive_being_monitored_letters=C\r\nShow_Total_of_All_Drives_CheckBox=0\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n' >"$expected"
cmp -s "$expected" "$work/dotfiles/keldra.ini" || fail "first close wrote:
$(cat "$work/dotfiles/keldra.ini" 2>&1)"
[ -L "$app/keldra.ini" ] || fail "the link to the settings was replaced by a file"
[ "$(cat "$app/.keldra.ini.backup")" = mine ] || fail "the user's .keldra.ini.backup is gone"
rm -f "$app/keldra.ini" "$app/.keldra.ini.backup"
echo "PASSED: window, client area, keep-above, options dialog and settings file as expected"
