#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Keldra needs to build, run and test
# that this machine does not have yet. Safe to run again: it asks apt only for
# what is missing.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the window
  qt6-base-dev libgl-dev libxcb1-dev fonts-liberation
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # the real-display smoke test: an X server, a small window manager, X tools
  xvfb openbox x11-utils xdotool imagemagick
  # a real desktop launcher for the autostart entries' test
  libglib2.0-bin
  # a FUSE volume that never answers, for the hung-volume tests
  fuse3 libfuse3-dev
)

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
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
