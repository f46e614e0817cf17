#!/usr/bin/env bash
# Timing of tqweir-risk (not a test): examples/design_flood's risk.csv with
# the sampling enlarged to EVENTS events (default 10,000: 40 bins of 250),
# every event routed with power, without and with the gate failed, on
# THREADS threads (default 2). Prints the tool's own time lines (the events,
# per event and per passage, and the grid solved before) and the wall time.
# Usage: bench/risk_bench.sh [BUILD_DIR] [BINS] [EVENTS_PER_BIN] [THREADS]
set -euo pipefail
build=${1:-}
bins=${2:-40}
per_bin=${3:-250}
threads=${4:-2}
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-risk
design="$work/design"
cp -r "$root/examples/design_flood" "$design"
sed -i -e "s/^bins,.*/bins,$bins/" -e "s/^events_per_bin,.*/events_per_bin,$per_bin/" "$design/risk.csv"
# The machine may be shared: the load before and after goes with the figure.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
start=$(date +%s.%N)
status=0
"$build/tqweir-risk" "$design" --threads "$threads" >"$work/out.txt" 2>/dev/null || status=$?
end=$(date +%s.%N)
grep -E 'passed|by branch|routes:|time:' "$work/out.txt"
printf 'exit status %d, wall time %.1f s on %d threads\n' "$status" "$(echo "$end - $start" | bc -l)" "$threads"
printf 'load average before %s, after %s (%d cores)\n' "$load_before" "$(cut -d' ' -f1-3 /proc/loadavg)" "$(nproc)"
