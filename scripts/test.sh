#!/usr/bin/env bash
# Installs what is missing, checks the code's format and layers, builds Keldra and runs every
# test: the suite, the Windows builds' tests under Wine, the suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a
# bounded time.
# KELDRA_QUICK=1 runs the plain Linux suite only.
# A suite whose tools could not be installed (a mirror's bad day) is skipped with a line
# saying so near the end; KELDRA_REQUIRE_ALL=1 makes any skip fail the run.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELDRA_BUILD_DIR:-$here/build}"
run_dir="$(mktemp -d)"
trap 'rm -rf "$run_dir"' EXIT
export KELDRA_SKIPS="$run_dir/skips" KELDRA_DEPS_REPORT="$run_dir/deps"
: >"$KELDRA_SKIPS"
# shellcheck source=skips.sh
. "$here/scripts/skips.sh"
if [ "${KELDRA_QUICK:-0}" = "1" ]; then
  bash "$here/scripts/install-deps.sh"
else
  bash "$here/scripts/install-deps.sh" --windows --packaging --report "$KELDRA_DEPS_REPORT"
fi
bash "$here/scripts/check-format.sh"
bash "$here/scripts/check-layers.sh"
bash "$here/scripts/build.sh"
status=0
(cd "$build" && ctest --output-on-failure --timeout 600 -j "$(nproc)") | tee "$run_dir/ctest.log" ||
  status=$?
# Tests that skipped themselves (no FUSE, no user namespaces...) join the summary.
sed -n 's/^ *[0-9]* - \(.*\) (Skipped)$/\1/p' "$run_dir/ctest.log" | while read -r t; do
  keldra_skip "Linux test $t" "it skipped itself; its output above says why" >/dev/null
done
[ "$status" -eq 0 ] || exit "$status"
if [ "${KELDRA_QUICK:-0}" != "1" ]; then
  echo "== Windows: cross builds and their tests under Wine"
  bash "$here/scripts/test-windows.sh" "$build"
  echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer"
  bash "$here/scripts/sanitize.sh"
  echo "== fuzzing"
  bash "$here/scripts/fuzz.sh" "${KELDRA_FUZZ_SECONDS:-20}"
fi
keldra_report_skips
