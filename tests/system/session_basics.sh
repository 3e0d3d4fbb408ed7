#!/usr/bin/env bash
# What every smoke test needs: a way to skip or fail, waits for conditions, and a
# work folder with the processes it started, all cleaned up at the end. Sourced.
# require_tools <tool>...: skips unless each is installed.
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
require_tools() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/install-deps.sh installs it)"
  done
}

# Every wait is for a condition, each with a deadline far beyond what it takes on a
# quiet machine, so that a busy one only makes the test slower.
#   wait_until <seconds> <command...>: true as soon as the command succeeds.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" 2>/dev/null; do
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
