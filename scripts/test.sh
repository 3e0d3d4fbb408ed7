#!/usr/bin/env bash
# Installs what is missing, checks the code's format and layers, builds Keldra and runs every
# test: the suite, the Windows builds' tests under Wine, the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# bounded time.
# KELDRA_QUICK=1 runs the plain Linux suite only.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELDRA_BUILD_DIR:-$here/build}"
if [ "${KELDRA_QUICK:-0}" = "1" ]; then
  bash "$here/scripts/install-deps.sh"
else
  bash "$here/scripts/install-deps.sh" --windows
fi
bash "$here/scripts/check-format.sh"
bash "$here/scripts/check-layers.sh"
bash "$here/scripts/build.sh"
(cd "$build" && ctest --output-on-failure --timeout 600 -j "$(nproc)")
if [ "${KELDRA_QUICK:-0}" = "1" ]; then
  exit 0
fi
echo "== Windows: cross builds and their tests under Wine"
bash "$here/scripts/test-windows.sh" "$build"
echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
bash "$here/scripts/sanitize.sh"
echo "== fuzzing"
bash "$here/scripts/fuzz.sh" "${KELDRA_FUZZ_SECONDS:-20}"
