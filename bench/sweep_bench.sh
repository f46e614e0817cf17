#!/usr/bin/env bash
# Cases per second of tqweir-sweep on 1 and on 2 threads, and the speed-up.
#
# 1,000 cases of examples/standard: upstream_level from 0 to 3.4965 m in
# steps of 0.0035 m, so that about 870 cases lie below the crest (3.041 m)
# and the rest over it. Each thread count is run REPEAT times and the best
# wall time is kept: other work on the machine only ever slows a run down.
# The processor time (user + system) of that run is shown beside it: about
# equal on 1 and 2 threads when threading costs nothing. The two result
# tables must be identical.
#
#   bench/sweep_bench.sh [REPEAT]      REPEAT: runs per thread count (default 3)
set -euo pipefail
repeat="${1:-3}"
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-sweep
sweep="$build/tqweir-sweep"

cases=1000
range="upstream_level=0:3.4965:0.0035"

# "wall cpu" in seconds of the run with the best wall time of `repeat`
# runs on $1 threads; cpu is user + system time of the process.
best_time() {
  local threads="$1" best="" cpu="" t
  local TIMEFORMAT='%R %U %S'
  for _ in $(seq "$repeat"); do
    t=$( { time "$sweep" "$root/examples/standard" --range "$range" -j "$threads" \
             -o "$work/result-$threads.csv" >/dev/null 2>&1; } 2>&1 )
    read -r real user sys <<<"$t"
    if [ -z "$best" ] || awk -v t="$real" -v b="$best" 'BEGIN { exit !(t < b) }'; then
      best="$real"
      cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')
    fi
  done
  echo "$best $cpu"
}

load="$(cut -d' ' -f1-3 /proc/loadavg)"
read -r t1 c1 <<<"$(best_time 1)"
read -r t2 c2 <<<"$(best_time 2)"
rows=$(($(wc -l <"$work/result-1.csv") - 1))
[ "$rows" -eq "$cases" ] || { echo "expected $cases result rows, got $rows" >&2; exit 1; }
cmp -s "$work/result-1.csv" "$work/result-2.csv" || { echo "the tables of 1 and 2 threads differ" >&2; exit 1; }

echo "tqweir-sweep: $cases cases of examples/standard ($range), best of $repeat runs"
echo "processors: $(nproc); load average before the runs: $load (other work shares the processors)"
printf '%-8s %8s %9s %9s %12s %9s\n' threads cases wall_s cpu_s cases_per_s speed_up
awk -v t1="$t1" -v t2="$t2" -v c1="$c1" -v c2="$c2" -v n="$cases" 'BEGIN {
  printf "%-8d %8d %9.3f %9.3f %12.1f %9.2f\n", 1, n, t1, c1, n / t1, 1.0
  printf "%-8d %8d %9.3f %9.3f %12.1f %9.2f\n", 2, n, t2, c2, n / t2, t1 / t2
}'
