#!/usr/bin/env bash
# Configures and builds Keldra into build/ (or $KELDRA_BUILD_DIR).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELDRA_BUILD_DIR:-$here/build}"
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ $# -gt 0 ]; then
  cmake -S "$here" -B "$build" "$@"
fi
cmake --build "$build" --parallel "$(nproc)"
