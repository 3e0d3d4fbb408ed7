#!/usr/bin/env bash
# Starts the real keldra.exe under Wine on an X server of its own (Xvfb) under
# openbox and checks what a user would see: the window placed where keldra.ini
# says, the rows of the drives Wine's letters point to, the menu from the keyboard,
# keep-above on and off, the options dialog and the About box at their sizes, and
# keldra.ini written on closing. Screenshots go to the given folder.
#   window_smoke.sh <folder with keldra.exe> <folder for screenshots>
# Runs in the Wine prefix of WINEPREFIX (scripts/test-windows.sh makes one).
set -u
bin="$1"
shots="$2"
source "$(dirname "${BASH_SOURCE[0]}")/../system/x_session.sh"
require_tools wine
[ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX/dosdevices" ] || skip "no Wine prefix (WINEPREFIX) to run in"

app="$work/app"
mkdir -p "$app" "$work/d" "$work/e"
cp "$bin/keldra.exe" "$app/"
# D: and E: on folders of this test, F: on the root; put back as they were after.
devices="$WINEPREFIX/dosdevices"
for letter in d e f; do
  if [ -e "$devices/$letter:" ] || [ -L "$devices/$letter:" ]; then mv "$devices/$letter:" "$work/saved-$letter"; fi
done
restore_devices() {
  for letter in d e f; do
    rm -f "$devices/$letter:"
    if [ -e "$work/saved-$letter" ] || [ -L "$work/saved-$letter" ]; then mv "$work/saved-$letter" "$devices/$letter:"; fi
  done
  cleanup
}
trap restore_devices EXIT
ln -s "$work/d" "$devices/d:"
ln -s "$work/e" "$devices/e:"
ln -s / "$devices/f:"

start_keldra_exe() {
  # The libraries it loads are logged, with the pointer away from where it appears.
  xdotool mousemove 1020 760
  (cd "$app" && WINEDEBUG=+loaddll exec wine "$app/keldra.exe") >"$work/keldra.log" 2>&1 &
  keldra_pid=$!
  pids+=("$keldra_pid")
  win="$(wait_for_window '^Keldra v3\.6f$')"
  [ -n "$win" ] || import -window root "$shots/keldra-wine-failed.png"
  [ -n "$win" ] || fail "no keldra.exe window appeared: $(cat "$work/keldra.log")"
  wait_until 60 framed_by_wm || fail "the window was never framed"
}
# Wine leaves the frame to the window manager; its X window is the menu bar and the
# client area.
window_size() { client_area_of "$win"; }
framed_by_wm() { [ "$(frame_position)" != "," ] && [ -n "$(window_size)" ]; }
wine_gone() { ! kill -0 "$keldra_pid" 2>/dev/null; }
setting() { tr -d '\r' <"$app/keldra.ini" | sed -n "s/^$1=//p"; }

printf '[keldra]\nwindow_top_posn=60\nwindow_left_posn=70\ndrive_being_monitored_letters=def\nShow_Total_of_All_Drives_CheckBox=1\n' >"$app/keldra.ini"
start_keldra_exe
# Windows' outer frame is at 70,60; the window manager draws its own frame in its
# place, whose borders are a few pixels narrower or wider than Windows'.
near_stored_place() {
  local p x y
  p="$(frame_position)"
  x="${p%,*}"
  y="${p#*,}"
  [ "${x#-}" != "$x" ] && return 1
  [ $((x - 70)) -ge -8 ] && [ $((x - 70)) -le 8 ] && [ $((y - 60)) -ge -8 ] && [ $((y - 60)) -le 8 ]
}
# Nothing the first window does not need: the common controls come with the first
# hint or dialog.
! grep -qi 'comctl32' "$work/keldra.log" ||
  fail "comctl32 was loaded before the pointer or a dialog needed it: $(grep -i comctl32 "$work/keldra.log")"
wait_until 30 near_stored_place || fail "the window manager's frame is at $(frame_position), far from the stored 70,60"
size="$(window_size)"
width="${size%x*}"
four_rows="${size#*x}"
[ "$width" = 189 ] || fail "client width $width, expected 189"
import -window root "$shots/keldra-wine-main.png" || fail "screenshot failed"

check_keep_above_toggles
check_options_dialog "$shots/keldra-wine-options.png"
check_about_box "$shots/keldra-wine-about.png"

menu_command f x
wait_until 60 wine_gone || fail "keldra.exe did not exit after File > Exit"
[ "$(setting window_top_posn)" = 60 ] && [ "$(setting window_left_posn)" = 70 ] &&
  [ "$(setting window_ClientWidth)" = 189 ] && [ "$(setting drive_being_monitored_letters)" = DEF ] ||
  fail "keldra.ini after a start and a close without moving anything:
$(cat "$app/keldra.ini")"

# One drive and no total: two rows fewer, 40 pixels less of client area.
printf '[keldra]\nwindow_top_posn=60\nwindow_left_posn=70\ndrive_being_monitored_letters=d\n' >"$app/keldra.ini"
start_keldra_exe
one_row="$(window_size)"
one_row="${one_row#*x}"
[ $((four_rows - one_row)) -eq 60 ] || fail "four rows are $four_rows high and one row $one_row: not three rows of 20 apart"
activate "$win" || fail "the main window could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 60 wine_gone || fail "keldra.exe did not exit after Alt+F4"
echo "PASSED: keldra.exe under Wine: place, rows, keep-above, dialogs and keldra.ini as expected"
