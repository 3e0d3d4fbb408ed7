# Sourced by the test scripts: the suites a run could not run, each with its reason,
# kept in one file ($KELDRA_SKIPS) and printed together near the run's end.
# KELDRA_REQUIRE_ALL=1 (for a release) turns every skip into a failure.

# keldra_skip WHAT WHY: says at once, and records for the summary, that WHAT is skipped.
keldra_skip() {
  printf 'SKIPPED: %s: %s\n' "$1" "$2" | tee -a "$KELDRA_SKIPS"
}

# The reason install-deps.sh recorded for an optional group, or the fallback given.
keldra_install_reason() { # key fallback
  local reason=""
  if [ -n "${KELDRA_DEPS_REPORT:-}" ] && [ -f "$KELDRA_DEPS_REPORT" ]; then
    reason="$(awk -F '\t' -v k="$1" '$1 == k { r = $2 } END { print r }' "$KELDRA_DEPS_REPORT")"
  fi
  printf '%s\n' "${reason:-$2}"
}

# Prints the summary; fails when anything was skipped and KELDRA_REQUIRE_ALL=1.
keldra_report_skips() {
  [ -s "$KELDRA_SKIPS" ] || return 0
  echo "== suites skipped in this run"
  cat "$KELDRA_SKIPS"
  if [ "${KELDRA_REQUIRE_ALL:-0}" = 1 ]; then
    echo "KELDRA_REQUIRE_ALL=1: every suite must run, so the run fails" >&2
    return 1
  fi
}
