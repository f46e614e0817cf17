#!/usr/bin/env bash
# Timing of tqweir-operate (not a test): lowering and raising paths of
# examples/design_operation, best of 3 wall times, with the solves each used.
# Usage: bench/operate_bench.sh [BUILD_DIR]   (default build/)
set -euo pipefail
build=${1:-}
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-operate
operate=$build/tqweir-operate
design=$root/examples/design_operation

# The wall time of the fastest of 3 runs (bash's own clock), in seconds;
# the last run's printout stays in $work/out.
fastest() {
  local times=() TIMEFORMAT=%R
  for _ in 1 2 3; do
    times+=("$( { time "$@" >"$work/out" 2>&1 || true; } 2>&1 )")
  done
  printf '%s\n' "${times[@]}" | sort -n | head -1
}

for way in lower raise; do
  for case in '' '中間水位 tailwater on the leaf'; do
    args=("$design" "--$way")
    [ -n "$case" ] && args+=(--case "$case")
    t=$(fastest "$operate" "${args[@]}")
    echo "$way ${case:-base case}: $(grep -o '[0-9]* solves' "$work/out"), $t s"
  done
done
