#!/usr/bin/env bash
# Runs keldra for a long time with 26 monitored drives at a 1-second interval on
# Xvfb and samples its resident memory, open descriptors, threads and CPU time.
#   soak.sh <folder with keldra and keldra-report> <minutes> [heaptrack|plain] [interval ms]
# Prints one line per minute and a summary; with "heaptrack" the run is profiled.
# With an interval of 30000 it measures how idle the program is between ticks.
set -eu
bin="$1"
minutes="${2:-30}"
profile="${3:-plain}"
interval="${4:-1000}"
work="$(mktemp -d)"
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; }
pids=()
trap cleanup EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
app="$work/app"
mkdir -p "$app"
cp "$bin/keldra" "$bin/keldra-report" "$app/"
printf '[drives]\n' >"$app/drives.ini"
letters=""
for l in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
  mkdir -p "$work/vol/$l"
  printf '%s=%s\n' "$l" "$work/vol/$l" >>"$app/drives.ini"
  letters="$letters$l"
done
printf '[keldra]\ndrive_being_monitored_letters=%s\ntimer_interval=%s\nShow_Total_of_All_Drives_CheckBox=1\n' "$letters" "$interval" >"$app/keldra.ini"
if [ "$profile" = "heaptrack" ]; then
  heaptrack -o "$work/heap" "$app/keldra" >"$work/heaptrack.log" 2>&1 &
  pids+=($!)
  sleep 3
  pid="$(pgrep -n -f "$app/keldra" || true)"
else
  "$app/keldra" >/dev/null 2>&1 &
  pid=$!
  pids+=("$pid")
fi
sleep 5
sample() {
  local rss fds threads ticks
  rss="$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)"
  fds="$(ls /proc/"$pid"/fd | wc -l)"
  threads="$(awk '/Threads/ {print $2}' /proc/"$pid"/status)"
  ticks="$(awk '{print $14 + $15}' /proc/"$pid"/stat)"
  echo "$rss $fds $threads $ticks"
}
read -r rss0 fds0 thr0 cpu0 <<<"$(sample)"
start=$(date +%s)
echo "minute rss_kB fds threads cpu_ticks"
echo "0 $rss0 $fds0 $thr0 $cpu0"
for m in $(seq 1 "$minutes"); do
  sleep 60
  read -r rss fds thr cpu <<<"$(sample)"
  echo "$m $rss $fds $thr $cpu"
done
elapsed=$(( $(date +%s) - start ))
hz=$(getconf CLK_TCK)
echo "summary: rss ${rss0} -> ${rss} kB, fds ${fds0} -> ${fds}, threads ${thr0} -> ${thr}, cpu $(( (cpu - cpu0) * 1000 / hz )) ms over ${elapsed} s"
if [ "$profile" = "heaptrack" ]; then
  kill "$pid"; sleep 3
  f="$(ls "$work"/heap*.zst "$work"/heap*.gz 2>/dev/null | head -n1)"
  [ -n "$f" ] && heaptrack_print "$f" 2>/dev/null | grep -E "total runtime|calls to allocation|peak heap|peak RSS|total memory leaked" | head
fi
