#!/usr/bin/env bash
# Wall time of tqweir-report for a 20-case design: the example design's base
# case and criteria with 20 load cases (upstream levels 0.5 to 3.35 m, with
# the downstream depth and the leaf angle varied too, so that no chart is
# drawn and every case gets its own drawing; two cases stop). Run REPEAT
# times; the best and the median wall time are printed with the processor
# time of the best run, and the page's size.
#
#   bench/report_bench.sh [REPEAT]      REPEAT: runs (default 10)
set -euo pipefail
repeat="${1:-10}"
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-report

cp "$root"/examples/design_standard/{syogen,parameter,hitai,criteria}.csv "$work"/
{
  echo "case,upstream_level,hd_nd,theta1_deg"
  for k in $(seq 0 19); do
    awk -v k="$k" 'BEGIN { printf "case %02d,%.2f,%.2f,%d\n", k + 1, 0.5 + 0.15 * k,
                           (k % 10 == 9) ? 2.8 : 0.1 + 0.05 * (k % 5), 35 + (k % 3) * 5 }'
  done
} > "$work/loadcases.csv"

times=()
best_cpu=""
best=""
TIMEFORMAT='%R %U %S'
for _ in $(seq "$repeat"); do
  # Status 1: the two cases that stop leave their checks not determined.
  t=$( { time "$build/tqweir-report" "$work" -o "$work/report.html" >/dev/null; } 2>&1 ) || [ $? -eq 1 ]
  read -r real user sys <<<"$t"
  times+=("$real")
  if [ -z "$best" ] || awk -v t="$real" -v b="$best" 'BEGIN { exit !(t < b) }'; then
    best="$real"
    best_cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')
  fi
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
cases=$(($(wc -l < "$work/loadcases.csv") - 1))
size=$(wc -c < "$work/report.html")
echo "tqweir-report, $cases cases, $repeat runs: best ${best} s (cpu ${best_cpu} s), median ${median} s; page $size bytes"
