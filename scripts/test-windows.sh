#!/usr/bin/env bash
# Cross-builds Keldra for Windows with mingw-w64 (32-bit, as the original target,
# and 64-bit) and runs the Windows test programs under Wine, each in a fresh
# temporary Wine prefix, together with the check of keldra-report.exe against the
# Linux keldra-report in the given Linux build folder.
# An architecture whose cross compiler or Wine is not installed is skipped with a line
# saying why (scripts/skips.sh); the others still build and run.
# usage: test-windows.sh [linux-build-folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
linux_build="$(cd "${1:-$here/build}" && pwd)"
# shellcheck source=skips.sh
. "$here/scripts/skips.sh"
# shellcheck source=wine-loader.sh
. "$here/scripts/wine-loader.sh"
own_skips=""
if [ -z "${KELDRA_SKIPS:-}" ]; then
  own_skips="$(mktemp -d)"
  export KELDRA_SKIPS="$own_skips/skips" KELDRA_DEPS_REPORT="$own_skips/deps"
  : >"$KELDRA_SKIPS"
fi
[ -n "${KELDRA_DEPS_REPORT:-}" ] && [ -s "$KELDRA_DEPS_REPORT" ] ||
  bash "$here/scripts/install-deps.sh" --windows --report "$KELDRA_DEPS_REPORT"

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
# What each architecture needs: its cross compiler, and the Wine that runs it.
declare -A wine_package=([i686]=wine32:i386 [x86_64]=wine64)
declare -A wine_group=([i686]=wine32 [x86_64]=wine64)
declare -A wine_name=([i686]="32-bit Wine" [x86_64]="64-bit Wine")
to_build=()
to_test=()
for arch in i686 x86_64; do
  if ! command -v "$arch-w64-mingw32-g++-posix" >/dev/null 2>&1; then
    keldra_skip "$arch cross build and its tests under Wine" \
      "$(keldra_install_reason windows-cross "the mingw-w64 cross compiler is not installed")"
    continue
  fi
  to_build+=("$arch")
  if ! installed "${wine_package[$arch]}"; then
    keldra_skip "$arch tests under Wine" "$(keldra_install_reason "${wine_group[$arch]}" \
      "${wine_name[$arch]} (${wine_package[$arch]}) is not installed")"
  elif [ "$arch" = i686 ] && ! keldra_wine32_runs; then
    keldra_skip "$arch tests under Wine" \
      "32-bit Wine is installed, but this machine's kernel does not run 32-bit programs"
  else
    to_test+=("$arch")
  fi
done

# The window's in-process tests make real windows: Wine draws them on an X server
# of their own for the run (the smoke test starts another, with a window manager).
work="$(mktemp -d)"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$work" $own_skips' EXIT
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start: $(cat "$work/xvfb.log")"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
keldra_wine64_when_wine32_cannot_run "$work/wine64-only"

generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
for arch in "${to_build[@]}"; do
  build="$here/build-win-$arch"
  echo "== Windows ($arch): cross build"
  cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
    -DKELDRA_BUILD_UI=ON -DKELDRA_BUILD_BENCH=OFF \
    -DKELDRA_LINUX_REPORT="$linux_build/bin/keldra-report" >/dev/null
  cmake --build "$build" --parallel "$(nproc)"

  [[ " ${to_test[*]} " == *" $arch "* ]] || continue
  echo "== Windows ($arch): tests under Wine"
  prefix="$(mktemp -d)"
  export WINEPREFIX="$prefix/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # The prefix is made once and its server kept for the whole run: each test is
  # a Wine process of its own.
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wineboot -i >/dev/null 2>&1
  # The fonts the window names, as Debian's metric-compatible stand-ins.
  wine regedit "$here/tests/windows/liberation_fonts.reg" >/dev/null 2>&1
  # Wine closes its desktop a little after the last program with a window ends, and
  # the next one waits seconds for it to start again: a hidden window holds it.
  wine "$build/bin/desktop_keeper.exe" >/dev/null 2>&1 &
  status=0
  # One test at a time: the auto-run tests share the machine's Run key.
  (cd "$build" && ctest --output-on-failure --timeout 300) || status=$?
  wineserver -k || true
  rm -rf "$prefix"
  [ "$status" -eq 0 ] || exit "$status"
done
[ -z "$own_skips" ] || keldra_report_skips
