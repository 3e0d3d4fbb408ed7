#!/usr/bin/env bash
# Where the Linux window's start goes: builds keldra with its start-up steps stamped
# (-DKELDRA_START_STEPS=ON, in build-steps/), starts it 61 times on an X server of
# its own with 26 drives and the total, and prints each step's median time from the
# fork, with the window mapped among them. Needs Xvfb and root (for the volumes).
#   bench/start_breakdown.sh
set -euo pipefail
# shellcheck source=bench/volumes.sh
source "$(dirname "${BASH_SOURCE[0]}")/volumes.sh"
in_own_mount_namespace "$0" "$@"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
steps="$here/build-steps"
cmake -S "$here" -B "$steps" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELDRA_START_STEPS=ON \
  -DKELDRA_BUILD_TESTS=OFF -DKELDRA_BUILD_BENCH=ON >/dev/null
cmake --build "$steps" --target keldra time_to_map qt_floor >/dev/null
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  undo_volumes "$work"
  rm -rf "$work"
}
trap cleanup EXIT
make_volumes "$work"
cp "$steps/bin/keldra" "$work/app/"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
echo "step, median ms from the fork (61 starts):"
"$steps/bin/time_to_map" --steps 61 "$work/app/keldra"
echo "the floor (one Qt label) mapped: $("$steps/bin/time_to_map" 61 "$steps/bin/qt_floor") ms"
