# Sourced first by a smoke test that mounts volumes: runs the test again in a mount
# namespace of its own, so that nothing else on the machine ever meets its volumes
# (a `df` started meanwhile would hang on a hung one). Skips where none can be had.
if [ -z "${KELDRA_PRIVATE_MOUNTS:-}" ]; then
  command -v unshare >/dev/null || { echo "SKIPPED: unshare is not installed"; exit 77; }
  unshare -m --propagation private true 2>/dev/null ||
    { echo "SKIPPED: no mount namespace of the test's own can be made here"; exit 77; }
  KELDRA_PRIVATE_MOUNTS=1 exec unshare -m --propagation private bash "$0" "$@"
fi
