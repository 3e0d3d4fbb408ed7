#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Keldra needs to build, run and test
# that this machine does not have yet. Safe to run again: it asks apt only for
# what is missing. With --windows, also the cross compilers for Windows and Wine
# to run their tests (32-bit Wine needs the i386 architecture added to dpkg).
set -euo pipefail
windows=0
[ "${1:-}" = "--windows" ] && windows=1

packages=(
  # build, and the formatter the test command holds the code to
  build-essential cmake ninja-build pkg-config clang-format
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the window
  qt6-base-dev libgl-dev libxcb1-dev fonts-liberation
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # the real-display smoke test: an X server, a small window manager, X tools
  xvfb openbox x11-utils xdotool wmctrl imagemagick
  # a Wayland session with XWayland, headless, for the display platform's test
  weston xwayland qt6-wayland
  # a real desktop launcher for the autostart entries' test
  libglib2.0-bin
  # a FUSE volume that never answers, for the hung-volume tests
  fuse3 libfuse3-dev
)
if [ "$windows" = 1 ]; then
  packages+=(
    # Windows builds from here, and Wine to run them
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if [ "$windows" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
