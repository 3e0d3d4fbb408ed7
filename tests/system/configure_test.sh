#!/usr/bin/env bash
# The build's options that leave a part out still make a tree that builds and tests
# what is left: without the window, the report's and the core's tests are there and
# the window's are not.
#   configure_test.sh <project folder>
set -uo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if ! cmake -S "$root" -B "$work/build" "${generator[@]}" -DKELDRA_BUILD_UI=OFF \
  -DKELDRA_BUILD_BENCH=OFF >"$work/log" 2>&1; then
  cat "$work/log"
  echo "FAILED: the tree does not configure without the window"
  exit 1
fi
tests="$(cd "$work/build" && ctest -N)"
for name in Watch_Stream_Test Package_Test Layer_Check; do
  grep -q " $name\$" <<<"$tests" || { echo "FAILED: $name is missing without the window"; exit 1; }
done
if grep -q " Xvfb_Smoke\$" <<<"$tests"; then
  echo "FAILED: the window's smoke test is listed though the window is not built"
  exit 1
fi
echo "PASSED: without the window the tree configures, with the report's tests and none of the window's"
