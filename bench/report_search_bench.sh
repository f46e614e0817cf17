#!/usr/bin/env bash
# Wall time of tqweir-report's searched sections on examples/design_limits
# (4 criteria, 5 load cases): the report without them, with the limit
# states alone (upstream_level 0.5 to 4.0) and with the sealed curve alone
# (31 levels, 1.0 to 4.0 m). Each is run REPEAT times; the best wall time
# and its processor time are printed, and the sections' share is the
# difference to the report without them.
#
#   bench/report_search_bench.sh [REPEAT]      REPEAT: runs (default 5)
set -euo pipefail
repeat="${1:-5}"
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-report

example="$root/examples/design_limits"
make_design() {  # NAME, then the search rows of criteria.csv to keep
  local dir="$work/$1"
  shift
  mkdir -p "$dir"
  cp "$example"/{syogen,parameter,hitai,loadcases}.csv "$dir"/
  grep -v -E '^(limit_variable|limit_range|sealed_range),' "$example/criteria.csv" > "$dir/criteria.csv"
  for row in "$@"; do grep -E "^$row," "$example/criteria.csv" >> "$dir/criteria.csv"; done
}
make_design plain
make_design limits limit_variable limit_range
make_design sealed sealed_range

TIMEFORMAT='%R %U %S'
best_of() {  # DIR: prints "best_wall cpu_of_best"
  local best="" cpu=""
  for _ in $(seq "$repeat"); do
    t=$( { time "$build/tqweir-report" "$1" -o "$1/report.html" >/dev/null; } 2>&1 )
    read -r real user sys <<<"$t"
    if [ -z "$best" ] || awk -v t="$real" -v b="$best" 'BEGIN { exit !(t < b) }'; then
      best="$real"
      cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')
    fi
  done
  echo "$best $cpu"
}
read -r plain plain_cpu <<<"$(best_of "$work/plain")"
read -r limits limits_cpu <<<"$(best_of "$work/limits")"
read -r sealed sealed_cpu <<<"$(best_of "$work/sealed")"
share() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a - b }'; }
echo "tqweir-report on design_limits, best of $repeat (wall s, cpu s):"
echo "  without the searched sections: $plain ($plain_cpu)"
echo "  with the limit states (4 criteria, 5 cases): $limits ($limits_cpu); the section $(share "$limits" "$plain") s wall"
echo "  with the sealed curve (31 levels): $sealed ($sealed_cpu); the section $(share "$sealed" "$plain") s wall"
echo "  load average: $(cut -d' ' -f1-3 /proc/loadavg)"
