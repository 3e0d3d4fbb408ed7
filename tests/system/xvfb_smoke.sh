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
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in Xvfb openbox xdotool xwininfo xprop import; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh installs it)"
done

# Every wait is for a condition, each with a deadline far beyond what it takes on a
# quiet machine, so that a busy one only makes the test slower.
#   wait_until <seconds> <command...>: true as soon as the command succeeds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" 2>/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
pids+=("$xvfb_pid")
wait_until 60 test -s "$work/display" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# The window manager is ready once it has announced itself and what it supports:
# openbox sets both after taking over the screen.
wm_ready() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' &&
    xprop -root _NET_SUPPORTED | grep -q _NET_WM_STATE_ABOVE
}
wait_until 60 wm_ready || skip "openbox did not start on $DISPLAY (X server $(kill -0 "$xvfb_pid" 2>/dev/null && echo running || echo gone)): $(cat "$work/openbox.log" "$work/xvfb.log")"

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

# Prints the id of a visible window of that name, or fails.
visible_window() {
  local id
  id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)"
  [ -n "$id" ] && echo "$id"
}
# Waits for a visible window of that name; prints its id, or nothing.
wait_for_window() {
  local id=""
  wait_until 60 visible_window "$1" >/dev/null && id="$(visible_window "$1")"
  echo "$id"
}
no_visible_window() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }

# An open drop-down menu: a mapped window of the program's that the window manager
# leaves alone (override-redirect), as pop-up menus are.
menu_open() {
  for w in $(xdotool search --onlyvisible --class keldra); do xwininfo -id "$w"; done |
    grep -q 'Override Redirect State: yes'
}
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
activate() { xdotool windowactivate "$1" 2>/dev/null; wait_until 30 is_active "$1"; }

# Chooses a menu item from the keyboard, as a user does: Alt+menu, then the item.
menu_command() {
  activate "$win" || fail "the main window could not be activated for Alt+$1"
  xdotool key --clearmodifiers "alt+$1"
  wait_until 30 menu_open || fail "Alt+$1 opened no menu"
  xdotool key "$2"
  wait_until 30 menu_closed || fail "the menu stayed open after '$2'"
}
menu_closed() { ! menu_open; }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
gone() { ! kill -0 "$1" 2>/dev/null; }

client_area_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

start_keldra() {
  (cd "$work" && exec "$app/keldra") >"$work/keldra.log" 2>&1 &
  keldra_pid=$!
  pids+=("$keldra_pid")
  win="$(wait_for_window '^Keldra v3\.6f$')"
  [ -n "$win" ] || import -window root "$shots/keldra-smoke-failed.png"
  [ -n "$win" ] || fail "no keldra window appeared (display $DISPLAY, pid $keldra_pid): $(xwininfo -root -tree | grep -c keldra) X windows of keldra, pids $(for w in $(xdotool search --class keldra); do xprop -id $w _NET_WM_PID; done | sort -u | tr "\n" " "); visible: $(xdotool search --onlyvisible --class keldra | tr "\n" " "); log: $(cat "$work/keldra.log")"
  # Placed once the window manager has framed it and the client area has its size.
  wait_until 60 framed || fail "the window was never framed: $(xwininfo -id "$win" -tree 2>&1 | head -5)"
}
framed() { [ -n "$(client_size)" ] && [ "$(frame_position)" != "," ]; }

# The client area is the window's child that reaches its bottom edge, below the menu.
client_size() {
  local top_h
  top_h="$(xwininfo -id "$win" | awk '/Height:/ {print $2}')"
  xwininfo -id "$win" -children 2>/dev/null | awk -v H="$top_h" '
    /^ +0x/ { if (match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+/)) {
      split(substr($0, RSTART, RLENGTH), a, /[x+]/); if (a[2] + a[4] == H && a[4] > 0) print a[1] "x" a[2] } }' | head -n1
}

frame_position() {
  local parent
  parent="$(xwininfo -id "$win" -tree 2>/dev/null | awk '/Parent window id:/ {print $4}')"
  xwininfo -id "$parent" 2>/dev/null | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x "," y}'
}

# Waits until a measurement reads as expected; fails with what it read last.
expect_soon() {
  local what="$1" expected="$2" got=""
  local deadline=$((SECONDS + 30))
  while :; do
    got="$($what)"
    [ "$got" = "$expected" ] && return 0
    [ "$SECONDS" -ge "$deadline" ] && { echo "$got"; return 1; }
    sleep 0.1
  done
}

start_keldra
size="$(expect_soon client_size 189x69)" || fail "client area is '$size', expected 189x69 for three rows"
pos="$(expect_soon frame_position 70,60)" || fail "outer frame at $pos, expected the stored 70,60"
import -window root "$shots/keldra-smoke-main.png" || fail "screenshot failed"

above && fail "keep-above before it was asked for"
menu_command f a
wait_until 30 above || fail "&Always On Top did not set _NET_WM_STATE_ABOVE: $(xprop -id "$win" _NET_WM_STATE)"
menu_command f a
wait_until 30 not_above || fail "a second &Always On Top left the window above"

# The options dialog, as a user opens it.
menu_command f s
dialog="$(wait_for_window 'Keldra Options Setup :')"
[ -n "$dialog" ] || fail "the options dialog did not open"
dialog_size="$(expect_soon "client_area_of $dialog" 463x435)" ||
  fail "options dialog client area is $dialog_size, expected 463x435"
import -window root "$shots/keldra-smoke-options.png"
activate "$dialog" || fail "the options dialog could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 30 no_visible_window 'Keldra Options Setup :' || fail "the options dialog did not close"

# The About box, from the Help menu.
menu_command h a
about="$(wait_for_window 'About Keldra v3.6f')"
[ -n "$about" ] || fail "the About box did not open"
about_size="$(expect_soon "client_area_of $about" 622x411)" ||
  fail "About box client area is $about_size, expected 622x411"
import -window root "$shots/keldra-smoke-about.png"
activate "$about" || fail "the About box could not be activated"
xdotool key Escape
wait_until 30 no_visible_window 'About Keldra v3.6f' || fail "Escape did not close the About box"

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

# No settings file at all: the defaults, and the first close writes all eight keys.
rm -f "$app/keldra.ini"
start_keldra
size="$(expect_soon client_size 189x29)" || fail "with no settings the client area is '$size', expected 189x29 (drive C)"
pos="$(expect_soon frame_position 50,50)" || fail "with no settings the frame is at $pos, expected 50,50"
activate "$win" || fail "the main window could not be activated"
xdotool key --clearmodifiers alt+F4
wait_until 60 gone "$keldra_pid" || fail "keldra did not exit after Alt+F4"
wait "$keldra_pid" 2>/dev/null
# A new file is written with CR LF, as the system's own profile calls write one.
printf '[keldra]\r\nwindow_top_posn=50\r\nwindow_left_posn=50\r\nwindow_ClientWidth=189\r\ntimer_interval=30000\r\ndrive_being_monitored_letters=C\r\nShow_Total_of_All_Drives_CheckBox=0\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n' >"$expected"
cmp -s "$expected" "$app/keldra.ini" || fail "first close wrote:
$(cat "$app/keldra.ini" 2>&1)"
echo "PASSED: window, client area, keep-above, options dialog and settings file as expected"
