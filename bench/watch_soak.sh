#!/usr/bin/env bash
# keldra-report --watch 1 --waybar left running while a volume it reports is mounted
# and unmounted every few seconds: its resident memory and open descriptors after the
# first minute and at the end, which must be the same. Root; runs in a mount
# namespace of its own.
#   watch_soak.sh <keldra-report> [minutes, default 60]
set -euo pipefail
if [ -z "${KELDRA_SOAK_NAMESPACE:-}" ]; then
  exec env KELDRA_SOAK_NAMESPACE=1 unshare -m --propagation private bash "$0" "$@"
fi
report="$1"
minutes="${2:-60}"
work="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null; umount -l "$work/v" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/app" "$work/v"
cp "$report" "$work/app/keldra-report"
printf '[drives]\nC=/\nV=%s\n' "$work/v" >"$work/app/drives.ini"
printf '[keldra]\r\ndrive_being_monitored_letters=CV\r\n' >"$work/app/keldra.ini"
# A session of its own: the hang-up of whatever started the bench must not end it.
setsid "$work/app/keldra-report" --watch 1 --waybar >/dev/null &
pid=$!
sample() { echo "$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status") kB, $(ls "/proc/$pid/fd" | wc -l) descriptors"; }
end=$((SECONDS + minutes * 60))
first=""
while [ "$SECONDS" -lt "$end" ]; do
  mount -t tmpfs -o size=1m soak "$work/v"
  sleep 3
  umount "$work/v"
  sleep 3
  if [ -z "$first" ] && [ "$SECONDS" -ge 60 ]; then first="$(sample)"; fi
done
echo "after the first minute: $first"
echo "after $minutes minutes:  $(sample)"
