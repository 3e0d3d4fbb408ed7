#!/usr/bin/env bash
# A session for the smoke tests: an X server of its own (Xvfb) under a small window
# manager (openbox), and the helpers that drive Keldra's window there as a user
# does and read what a user would see. Sourced by the smoke tests, which set
# shots (a folder for screenshots) before sourcing and app (the folder the programs
# run from) after.
source "$(dirname "${BASH_SOURCE[0]}")/session_basics.sh"
require_tools Xvfb openbox xdotool xwininfo xprop import

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

# Chooses a menu item from the keyboard, as a user does: Alt+menu, then the item's
# keys (its accelerator, or arrows and Return).
menu_command() {
  local menu="$1"
  shift
  activate "$win" || fail "the main window could not be activated for Alt+$menu"
  xdotool key --clearmodifiers "alt+$menu"
  wait_until 30 menu_open || fail "Alt+$menu opened no menu"
  xdotool key "$@"
  wait_until 30 menu_closed || fail "the menu stayed open after '$*'"
}
menu_closed() { ! menu_open; }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
not_above() { ! above; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# A window's centre in screen coordinates.
centre_of() { xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print int(x + w / 2), int(y + h / 2)}'; }

# drag_between <from window> <to window>: presses in the first window's centre and
# lets go in the second's, in small steps paced as a hand moves them (input, not a
# wait for anything): the toolkit starts a drag past a few pixels, and the target
# learns of it as the pointer crosses into it.
drag_between() {
  local sx sy tx ty
  read -r sx sy <<<"$(centre_of "$1")"
  read -r tx ty <<<"$(centre_of "$2")"
  xdotool mousemove "$sx" "$sy" mousedown 1
  for i in $(seq 1 20); do
    xdotool mousemove $((sx + (tx - sx) * i / 20)) $((sy + (ty - sy) * i / 20))
    sleep 0.05
  done
  xdotool mousemove "$tx" "$ty"
  xdotool mouseup 1
}

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

# The checks both windows' smoke tests make, as a user would.
# "&Always On Top" twice from the keyboard: _NET_WM_STATE_ABOVE comes, then goes.
check_keep_above_toggles() {
  above && fail "keep-above before it was asked for"
  menu_command f a
  wait_until 30 above || fail "&Always On Top did not set _NET_WM_STATE_ABOVE: $(xprop -id "$win" _NET_WM_STATE)"
  menu_command f a
  wait_until 30 not_above || fail "a second &Always On Top left the window above"
}
# The options dialog from the File menu at its size, photographed to $1, closed by Alt+F4.
check_options_dialog() {
  local dialog dialog_size
  menu_command f s
  dialog="$(wait_for_window 'Keldra Options Setup :')"
  [ -n "$dialog" ] || fail "the options dialog did not open"
  dialog_size="$(expect_soon "client_area_of $dialog" 463x435)" ||
    fail "options dialog client area is $dialog_size, expected 463x435"
  import -window root "$1"
  activate "$dialog" || fail "the options dialog could not be activated"
  xdotool key --clearmodifiers alt+F4
  wait_until 30 no_visible_window 'Keldra Options Setup :' || fail "the options dialog did not close"
}
# The About box from the Help menu at its size, photographed to $1, closed by Escape.
check_about_box() {
  local about about_size
  menu_command h a
  about="$(wait_for_window 'About Keldra v3.6f')"
  [ -n "$about" ] || fail "the About box did not open"
  about_size="$(expect_soon "client_area_of $about" 622x411)" ||
    fail "About box client area is $about_size, expected 622x411"
  import -window root "$1"
  activate "$about" || fail "the About box could not be activated"
  xdotool key Escape
  wait_until 30 no_visible_window 'About Keldra v3.6f' || fail "Escape did not close the About box"
}
