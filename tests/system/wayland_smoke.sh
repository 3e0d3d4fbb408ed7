#!/usr/bin/env bash
# Keldra in a Wayland session that also offers XWayland, as GNOME's and KDE's do:
# with nothing chosen it runs on XWayland, where "&Always On Top" works; with
# QT_QPA_PLATFORM=wayland it does as told and is a Wayland client. Uses weston's
# headless backend, so no screen is needed.
#   wayland_smoke.sh <folder with keldra>
set -u
bin="$1"
source "$(dirname "${BASH_SOURCE[0]}")/session_basics.sh"
require_tools weston Xwayland xdotool
qt_plugins="$(qmake6 -query QT_INSTALL_PLUGINS 2>/dev/null)"
ls "$qt_plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
  skip "Qt's Wayland platform is not installed (qt6-wayland)"

mkdir -m 700 "$work/runtime" "$work/app"
cp "$bin/keldra" "$bin/keldra-report" "$work/app/"
export XDG_RUNTIME_DIR="$work/runtime"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE

weston --backend=headless-backend.so --xwayland --socket=keldra-wayland --idle-time=0 \
  --log="$work/weston.log" >/dev/null 2>&1 &
pids+=($!)
x_display() { grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*'; }
wait_until 60 x_display >/dev/null || skip "weston with XWayland did not start: $(cat "$work/weston.log" 2>&1 | tail -5)"
wait_until 60 test -S "$work/runtime/keldra-wayland" || skip "weston's socket did not appear"
x="$(x_display)"

x_window() { DISPLAY="$x" xdotool search --name '^Keldra v3\.6f$' | grep -q .; }
wayland_titled() { grep -q 'set_title("Keldra v3.6f")' "$work/keldra-$1.log"; }

# Nothing chosen: the window maps on XWayland's X display.
(cd "$work" && WAYLAND_DISPLAY=keldra-wayland DISPLAY="$x" exec "$work/app/keldra") \
  >"$work/keldra-auto.log" 2>&1 &
auto=$!
pids+=("$auto")
wait_until 90 x_window || fail "with WAYLAND_DISPLAY and DISPLAY set and no platform chosen, no window appeared on XWayland ($x): $(tail -5 "$work/keldra-auto.log")"
kill "$auto"

# The user's choice: a Wayland client, nothing on the X display. Its protocol log
# says when its window has been given its title.
(cd "$work" && WAYLAND_DISPLAY=keldra-wayland DISPLAY="$x" QT_QPA_PLATFORM=wayland \
  WAYLAND_DEBUG=client exec "$work/app/keldra") >"$work/keldra-wayland.log" 2>&1 &
native=$!
pids+=("$native")
wait_until 90 wayland_titled wayland || fail "with QT_QPA_PLATFORM=wayland no Wayland window was titled: $(grep -v '^\[' "$work/keldra-wayland.log" | tail -5)"
x_window && fail "with QT_QPA_PLATFORM=wayland the window still appeared on XWayland"
kill -0 "$native" 2>/dev/null || fail "keldra did not survive showing its window on Wayland: $(grep -v '^\[' "$work/keldra-wayland.log" | tail -5)"
kill "$native"
echo "PASSED: XWayland unless the user chose a platform"
