#!/usr/bin/env bash
# The Windows window's figures under Wine, against the floor program (an empty
# Win32 window with a menu bar built the same way): start to the window mapped on
# the X server, and private memory after a few seconds on screen, with 26 drives
# and the total; and keldra.exe's size. KELDRA_BENCH_WIN_BEFORE names an earlier
# keldra.exe measured in the same run. Needs the Linux build (for time_to_map),
# Xvfb and openbox; builds the 32-bit Windows tree where this machine runs 32-bit Wine,
# else the 64-bit one (KELDRA_BENCH_WIN_ARCH=i686 or x86_64 chooses).
#   bench/wine_window.sh [linux build folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
linux_bin="$(cd "${1:-$here/build}" && pwd)/bin"
# shellcheck source=../scripts/wine-loader.sh
. "$here/scripts/wine-loader.sh"
arch=x86_64
keldra_wine32_runs && arch=i686
arch="${KELDRA_BENCH_WIN_ARCH:-$arch}"
win="$here/build-win-$arch"
cmake -S "$here" -B "$win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" -DKELDRA_BUILD_UI=ON \
  -DKELDRA_BUILD_BENCH=ON >/dev/null
cmake --build "$win" --target keldra win32_floor >/dev/null
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
keldra_wine64_when_wine32_cannot_run "$work/wine64-only"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
# Under a window manager, as on a desktop: without one, Wine waits seconds for the
# keep-above request to be answered.
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1
wine regedit "$here/tests/windows/liberation_fonts.reg" >/dev/null 2>&1
# 26 letters, A to Z, each on a folder of its own.
mkdir -p "$work/app"
letters=""
for l in a b d e f g h i j k l m n o p q r s t u v w x y; do
  mkdir -p "$work/vol/$l"
  ln -sfn "$work/vol/$l" "$WINEPREFIX/dosdevices/$l:"
done
for l in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do letters="$letters$l"; done
printf '[keldra]\ndrive_being_monitored_letters=%s\nShow_Total_of_All_Drives_CheckBox=1\n' "$letters" >"$work/app/keldra.ini"
cp "$win/bin/keldra.exe" "$win/bin/win32_floor.exe" "$work/app/"
wine_bin="$(command -v wine)"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
row() { printf '| %-44s | %10s | %10s | %6s |\n' "$@"; }
echo "machine: $(nproc) cores, $(awk '/model name/ {$1=$2=$3=""; print; exit}' /proc/cpuinfo | sed 's/^ *//'); $(wine --version)"
row "figure" "keldra.exe" "floor" "ratio"
row "--------------------------------------------" "----------" "----------" "------"
cd "$work/app"
start_ms="$("$linux_bin/time_to_map" 21 "$wine_bin" keldra.exe)"
floor_ms="$("$linux_bin/time_to_map" 21 "$wine_bin" win32_floor.exe 30)"
row "start to the window mapped, median ms" "$start_ms" "$floor_ms" "$(ratio "$start_ms" "$floor_ms")"
if [ -n "${KELDRA_BENCH_WIN_BEFORE:-}" ]; then
  cp "$KELDRA_BENCH_WIN_BEFORE" keldra-before.exe
  before_ms="$("$linux_bin/time_to_map" 21 "$wine_bin" keldra-before.exe)"
  row "  the same, earlier keldra.exe, median ms" "$before_ms" "$floor_ms" "$(ratio "$before_ms" "$floor_ms")"
fi
# What making controls costs Wine by itself: the floor with 150 hidden static
# controls, about as many as keldra.exe's three windows hold.
controls_ms="$("$linux_bin/time_to_map" 21 "$wine_bin" win32_floor.exe 30 150)"
row "  the floor with 150 hidden controls, ms" "$controls_ms" "$floor_ms" "$(ratio "$controls_ms" "$floor_ms")"

# Private memory (private clean + dirty pages of the Windows process) after 5 s.
private_kb() {
  local pid
  pid="$(pgrep -f "$1" | head -n1)"
  awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s}' "/proc/$pid/smaps_rollup"
}
"$wine_bin" keldra.exe >/dev/null 2>&1 &
pids+=($!)
"$wine_bin" win32_floor.exe 20 >/dev/null 2>&1 &
pids+=($!)
if [ -n "${KELDRA_BENCH_WIN_BEFORE:-}" ]; then
  "$wine_bin" keldra-before.exe >/dev/null 2>&1 &
  pids+=($!)
fi
sleep 5
k="$(private_kb 'keldra\.exe')"
f="$(private_kb 'win32_floor\.exe')"
row "private memory after 5 s, kB" "$k" "$f" "$(ratio "$k" "$f")"
if [ -n "${KELDRA_BENCH_WIN_BEFORE:-}" ]; then
  b="$(private_kb 'keldra-before\.exe')"
  row "  the same, earlier keldra.exe, kB" "$b" "$f" "$(ratio "$b" "$f")"
fi
row "size of the .exe, bytes" "$(stat -c %s keldra.exe)" "$(stat -c %s win32_floor.exe)" "-"
