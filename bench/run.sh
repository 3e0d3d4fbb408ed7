#!/usr/bin/env bash
# Runs every performance figure side by side in one run and prints a table of
# ratios with their medians. KELDRA_BENCH_BEFORE and KELDRA_BENCH_REPORT_BEFORE name
# an earlier keldra and keldra-report measured in the same run. Needs a built tree
# (scripts/build.sh) and, for the window figures, Xvfb.
#   bench/run.sh [build folder]
set -euo pipefail
# shellcheck source=bench/volumes.sh
source "$(dirname "${BASH_SOURCE[0]}")/volumes.sh"
in_own_mount_namespace "$0" "$@"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
bin="$build/bin"
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  undo_volumes "$work"
  rm -rf "$work"
}
trap cleanup EXIT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
row() { printf '| %-46s | %14s | %14s | %6s | %-8s |\n' "$@"; }
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g) ? "met" : "MISSED" }'; }

echo "machine: $(nproc) cores, $(awk '/model name/ {$1=$2=$3=""; print; exit}' /proc/cpuinfo | sed 's/^ *//'), $(uname -r)"
echo
row "figure" "keldra" "floor" "ratio" "goal"
row "----------------------------------------------" "--------------" "--------------" "------" "--------"

# 1 and 6: the refresh pass against its bare statvfs calls, by number of drives, in
# real time: the window's thread waits for the helper that asks the volumes.
csv="$("$bin/bench_refresh_pass" --benchmark_repetitions=15 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 --benchmark_format=csv 2>/dev/null)"
median() { echo "$csv" | awk -F, -v n="\"$1_median\"" '$1 == n { print $3 }'; }  # real_time, us
for n in 1 4 13 26; do
  pass="$(median "BM_Refresh_Pass/$n")"
  bare="$(median "BM_Bare_Statvfs/$n")"
  r="$(ratio "$pass" "$bare")"
  goal="-"
  [ "$n" = 26 ] && goal="<=1.3 $(verdict "$r" 1.3)"
  row "refresh pass, $n drives (vs $((4 * n)) statvfs), us" "$pass" "$bare" "$r" "$goal"
done
looks="$(median "BM_Bare_Looks/26")"
r="$(ratio "$(median "BM_Refresh_Pass/26")" "$looks")"
row "refresh pass, 26 drives (vs 26 looks in place)" "$(median "BM_Refresh_Pass/26")" "$looks" "$r" "-"
# KELDRA_BENCH_PASS_BEFORE=<an earlier bench_refresh_pass>: its pass, in the same run.
if [ -n "${KELDRA_BENCH_PASS_BEFORE:-}" ]; then
  before_csv="$("$KELDRA_BENCH_PASS_BEFORE" --benchmark_filter='BM_Refresh_Pass/26|BM_Bare_Statvfs/26' \
    --benchmark_repetitions=15 --benchmark_report_aggregates_only=true --benchmark_min_time=0.2 \
    --benchmark_format=csv 2>/dev/null)"
  before="$(echo "$before_csv" | awk -F, '$1 == "\"BM_Refresh_Pass/26_median\"" { print $3 }')"
  before_bare="$(echo "$before_csv" | awk -F, '$1 == "\"BM_Bare_Statvfs/26_median\"" { print $3 }')"
  row "before: refresh pass, 26 drives (vs 104 statvfs), us" "$before" "$before_bare" "$(ratio "$before" "$before_bare")" "-"
fi

# 100 MB of junk as keldra.ini: one load, all eight keys.
load_ms="$("$bin/bench_load_settings" --benchmark_format=csv 2>/dev/null |
  awk -F, '$1 ~ /BM_Load_Settings/ { print $3; exit }')"  # real_time, ms
row "load settings from 100 MB of junk, ms" "$load_ms" "-" "-" \
  "<500 $(awk -v t="$load_ms" 'BEGIN { print (t < 500) ? "met" : "MISSED" }')"

# The same 26 volumes for the whole-program figures.
make_volumes "$work"
cp "$bin/keldra" "$bin/keldra-report" "$bin/report_floor" "$work/app/"

# 2: keldra-report against df on the same volumes, whole process, run in turn (with
# the report's way of working at its least, and the earlier keldra-report when
# given) so that a busy moment weighs on all.
measured=("$work/app/keldra-report" ::: "$(command -v df)" "${dirs[@]}" ::: "$work/app/report_floor")
if [ -n "${KELDRA_BENCH_REPORT_BEFORE:-}" ]; then
  cp "$KELDRA_BENCH_REPORT_BEFORE" "$work/app/keldra-report-before"
  measured+=(::: "$work/app/keldra-report-before")
fi
{
  read -r report_ms report_kb
  read -r df_ms df_kb
  read -r floor_ms _
  read -r before_ms _ || true
} < <("$bin/measure_process" 101 "${measured[@]}")
r="$(ratio "$report_ms" "$df_ms")"
row "keldra-report vs df, median wall ms" "$report_ms" "$df_ms" "$r" "<=1.2 $(verdict "$r" 1.2)"
row "  one helper, files then folders, at its least" "$floor_ms" "$df_ms" "$(ratio "$floor_ms" "$df_ms")" "-"
if [ -n "${KELDRA_BENCH_REPORT_BEFORE:-}" ]; then
  row "  the same, earlier keldra-report, ms" "$before_ms" "$df_ms" "$(ratio "$before_ms" "$df_ms")" "-"
fi
extra=$(( report_kb - df_kb ))
row "keldra-report vs df, peak resident kB" "$report_kb" "$df_kb" "+$extra" \
  "<2048 $(awk -v e="$extra" 'BEGIN { print (e < 2048) ? "met" : "MISSED" }')"

# 3 and 4: the window against the toolkit's floor, on a real X server.
if command -v Xvfb >/dev/null 2>&1; then
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
  # From the fork to the window mapped on the X server, as a user sees it appear.
  start_ms="$("$bin/time_to_map" 21 "$work/app/keldra")"
  floor_ms="$("$bin/time_to_map" 21 "$bin/qt_floor")"
  r="$(ratio "$start_ms" "$floor_ms")"
  row "start to the window mapped, median ms" "$start_ms" "$floor_ms" "$r" "<=1.3 $(verdict "$r" 1.3)"
  # KELDRA_BENCH_BEFORE=<an earlier keldra>: the same figure for it, in the same run.
  if [ -n "${KELDRA_BENCH_BEFORE:-}" ]; then
    cp "$KELDRA_BENCH_BEFORE" "$work/app/keldra-before"
    before_ms="$("$bin/time_to_map" 21 "$work/app/keldra-before")"
    row "  the same, earlier keldra, median ms" "$before_ms" "$floor_ms" "$(ratio "$before_ms" "$floor_ms")" "-"
  fi

  # Private memory (pages no other process shares) after a minute on screen.
  private_kb() { awk '/^Private_(Clean|Dirty):/ { s += $2 } END { print s }' "/proc/$1/smaps_rollup"; }
  "$work/app/keldra" >/dev/null 2>&1 &
  keldra_pid=$!
  pids+=("$keldra_pid")
  "$bin/qt_floor" 70 >/dev/null 2>&1 &
  floor_pid=$!
  pids+=("$floor_pid")
  sleep 60
  mem_k="$(private_kb "$keldra_pid")"
  mem_f="$(private_kb "$floor_pid")"
  r="$(ratio "$mem_k" "$mem_f")"
  row "private memory after a minute, 26 drives, kB" "$mem_k" "$mem_f" "$r" "<=1.3 $(verdict "$r" 1.3)"
  # Its helpers (the processes that ask the volumes) are its cost too.
  helpers_k=0
  for child in $(pgrep -P "$keldra_pid"); do helpers_k=$((helpers_k + $(private_kb "$child"))); done
  row "  the same with its volume helpers, kB" "$((mem_k + helpers_k))" "$mem_f" \
    "$(ratio "$((mem_k + helpers_k))" "$mem_f")" "-"
else
  echo "(Xvfb missing: window figures skipped)"
fi
