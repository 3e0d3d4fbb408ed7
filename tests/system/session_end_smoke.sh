#!/usr/bin/env bash
# The session ending without a close keeps what the user did: the window is moved,
# then ended as a log-out ends it (SIGTERM, SIGHUP) or by its X server going away;
# keldra.ini must hold the moved place each time.
#   session_end_smoke.sh <folder with keldra and keldra-report> <folder for screenshots>
set -u
bin="$1"
shots="$2"
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

app="$work/app"
mkdir -p "$app"
cp "$bin/keldra" "$bin/keldra-report" "$app/"
printf '[drives]\nC=/\n' >"$app/drives.ini"
saved() { grep -a "^$1=" "$app/keldra.ini" | tr -d '\r' | cut -d= -f2; }
saved_place() { echo "$(saved window_left_posn),$(saved window_top_posn)"; }
moved_to() { [ "$(frame_position)" = "$1" ]; }

# Starts the window at 400,300 and moves it to the place given.
start_and_move() {
  printf '[keldra]\r\nwindow_top_posn=300\r\nwindow_left_posn=400\r\n' >"$app/keldra.ini"
  start_keldra
  expect_soon frame_position 400,300 >/dev/null || fail "$1: the window did not open at 400,300"
  local parent
  parent="$(xwininfo -id "$win" -tree | awk '/Parent window id:/ {print $4}')"
  xdotool windowmove "$parent" "${2%,*}" "${2#*,}"
  wait_until 30 moved_to "$2" || fail "$1: the window did not move to $2 ($(frame_position))"
}

for signal in TERM HUP; do
  start_and_move "SIG$signal" 600,500
  kill -s "$signal" "$keldra_pid"
  wait_until 60 gone "$keldra_pid" || fail "SIG$signal did not end the window"
  [ "$(saved_place)" = 600,500 ] ||
    fail "after SIG$signal keldra.ini holds $(saved_place), not the moved 600,500"
done

start_and_move "the display lost" 620,480
kill -9 "$xvfb_pid"
wait_until 60 gone "$keldra_pid" || fail "the window outlived its X server"
[ "$(saved_place)" = 620,480 ] ||
  fail "after its X server went away keldra.ini holds $(saved_place), not the moved 620,480: $(cat "$work/keldra.log")"
echo "PASSED: the moved place kept after SIGTERM, SIGHUP and the display's loss"
