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
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
ready=""
for _ in $(seq 100); do
  # Ready when the window manager's mark has stayed put for a moment.
  if wm_ready; then sleep 0.3; wm_ready && { ready=1; break; }; fi
  sleep 0.1
done
[ -n "$ready" ] || skip "openbox did not start on $DISPLAY (X server $(kill -0 "$xvfb_pid" 2>/dev/null && echo running || echo gone)): $(cat "$work/openbox.log" "$work/xvfb.log")"
sleep 0.3  # let the window manager finish starting before the first window maps

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

# Waits for a visible window of that name; prints its id, or nothing.
wait_for_window() {
  local id=""
  for _ in $(seq 50); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}

# Chooses a menu item from the keyboard, as a user does: Alt+menu, then the item.
menu_command() {
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool key --clearmodifiers "alt+$1"
  sleep 0.3
  xdotool key "$2"
}

client_area_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }

start_keldra() {
  (cd "$work" && exec "$app/keldra") >"$work/keldra.log" 2>&1 &
  keldra_pid=$!
  pids+=("$keldra_pid")
  win=""
  for _ in $(seq 100); do
    win="$(xdotool search --all --onlyvisible --pid "$keldra_pid" --class keldra 2>/dev/null | head -n1)"
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || import -window root "$shots/keldra-smoke-failed.png"
  [ -n "$win" ] || fail "no keldra window appeared (display $DISPLAY, pid $keldra_pid): $(xwininfo -root -tree | grep -c keldra) X windows of keldra, pids $(for w in $(xdotool search --class keldra); do xprop -id $w _NET_WM_PID; done | sort -u | tr "\n" " "); visible: $(xdotool search --onlyvisible --class keldra | tr "\n" " "); log: $(cat "$work/keldra.log")"
  sleep 0.5
}

# The client area is the window's child that reaches its bottom edge, below the menu.
client_size() {
  local top_h
  top_h="$(xwininfo -id "$win" | awk '/Height:/ {print $2}')"
  xwininfo -id "$win" -children | awk -v H="$top_h" '
    /^ +0x/ { if (match($0, /[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+/)) {
      split(substr($0, RSTART, RLENGTH), a, /[x+]/); if (a[2] + a[4] == H && a[4] > 0) print a[1] "x" a[2] } }' | head -n1
}

frame_position() {
  local parent
  parent="$(xwininfo -id "$win" -tree | awk '/Parent window id:/ {print $4}')"
  xwininfo -id "$parent" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x "," y}'
}

start_keldra
size="$(client_size)"
[ "$size" = "189x69" ] || fail "client area is '$size', expected 189x69 for three rows"
pos="$(frame_position)"
[ "$pos" = "70,60" ] || fail "outer frame at $pos, expected the stored 70,60"
import -window root "$shots/keldra-smoke-main.png" || fail "screenshot failed"

xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && fail "keep-above before it was asked for"
menu_command f a
sleep 0.5
xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "&Always On Top did not set _NET_WM_STATE_ABOVE: $(xprop -id "$win" _NET_WM_STATE)"
menu_command f a
sleep 0.5
xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && fail "a second &Always On Top left the window above"

# The options dialog, as a user opens it.
menu_command f s
dialog="$(wait_for_window 'Keldra Options Setup :')"
[ -n "$dialog" ] || fail "the options dialog did not open"
sleep 0.5
dialog_size="$(client_area_of "$dialog")"
[ "$dialog_size" = "463x435" ] || fail "options dialog client area is $dialog_size, expected 463x435"
import -window root "$shots/keldra-smoke-options.png"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
xdotool key --clearmodifiers alt+F4
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name 'Keldra Options Setup :' 2>/dev/null)" ] || fail "the options dialog did not close"

# The About box, from the Help menu.
menu_command h a
about="$(wait_for_window 'About Keldra v3.6f')"
[ -n "$about" ] || fail "the About box did not open"
sleep 0.7
about_size="$(client_area_of "$about")"
[ "$about_size" = "622x411" ] || fail "About box client area is $about_size, expected 622x411"
import -window root "$shots/keldra-smoke-about.png"
xdotool key --window "$about" Escape
sleep 0.5
[ -z "$(xdotool search --onlyvisible --name 'About Keldra v3.6f' 2>/dev/null)" ] || fail "Escape did not close the About box"

# Closing as a user does: File > Exit.
menu_command f x
for _ in $(seq 50); do kill -0 "$keldra_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$keldra_pid" 2>/dev/null && fail "keldra did not exit after File > Exit"
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
size="$(client_size)"
[ "$size" = "189x29" ] || fail "with no settings the client area is '$size', expected 189x29 (drive C)"
pos="$(frame_position)"
[ "$pos" = "50,50" ] || fail "with no settings the frame is at $pos, expected 50,50"
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key --clearmodifiers alt+F4
for _ in $(seq 50); do kill -0 "$keldra_pid" 2>/dev/null || break; sleep 0.1; done
wait "$keldra_pid" 2>/dev/null
# A new file is written with CR LF, as the system's own profile calls write one.
printf '[keldra]\r\nwindow_top_posn=50\r\nwindow_left_posn=50\r\nwindow_ClientWidth=189\r\ntimer_interval=30000\r\ndrive_being_monitored_letters=C\r\nShow_Total_of_All_Drives_CheckBox=0\r\nAlways_on_Top_Option=0\r\nAuto_Run_at_Windows_Startup_Option=0\r\n' >"$expected"
cmp -s "$expected" "$app/keldra.ini" || fail "first close wrote:
$(cat "$app/keldra.ini" 2>&1)"
echo "PASSED: window, client area, keep-above, options dialog and settings file as expected"
