#!/usr/bin/env bash
# Timing of tqweir-operate --flood (not a test): examples/design_flood's
# 48-hour design flood (2 m3/s of base flow, 60 m3/s at 12 h), the gate
# lowered at lower_at_level and raised again below raise_at_level, and the
# same flood without power (the float valve only). Three runs each: the
# steps, right-hand sides and solves the printout gives, and the wall time,
# which includes every solve of the gate's paths and the steady start.
# Usage: bench/flood_operate_bench.sh [BUILD_DIR]   (default build/)
set -euo pipefail
build=${1:-}
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-operate
design="$root/examples/design_flood"
for power in "" "--power-failure"; do
  for run in 1 2 3; do
    start=$(date +%s.%N)
    "$build/tqweir-operate" "$design" --flood "$design/design_flood.csv" $power >"$work/out.txt" || true
    end=$(date +%s.%N)
    printf '%-16s run %d: %s, %.2f s\n' "${power:-with power}" "$run" \
      "$(grep -E 'steps,' "$work/out.txt" | sed 's/^ *//')" "$(echo "$end - $start" | bc -l)"
  done
done
