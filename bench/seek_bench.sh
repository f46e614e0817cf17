#!/usr/bin/env bash
# Timing of tqweir-seek (not a test): a seek to full precision on the
# standard example and a sealed curve of 31 levels, best of 3 wall times.
# Usage: bench/seek_bench.sh [BUILD_DIR]   (default build/)
set -euo pipefail
build=${1:-}
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-seek
seek=$build/tqweir-seek

best() {  # best of 3 wall times of "$@", in seconds
  local b=999
  for _ in 1 2 3; do
    local s e
    s=$(date +%s.%N); "$@" >"$work/out" 2>&1 || true; e=$(date +%s.%N)
    b=$(python3 -c "print(min($b, $e - $s))")
  done
  printf '%.3f' "$b"
}

t=$(best "$seek" "$root/examples/standard" --vary upstream_level=0:4 --until bag_tension_kn_per_m=40)
echo "seek bag_tension_kn_per_m=40 over upstream_level 0..4: $(grep -o 'solves: [0-9]*' "$work/out"), $t s"
t=$(best "$seek" "$root/examples/standard" --vary upstream_level=0:4 --until alpha=20)
echo "seek alpha=20 over upstream_level 0..4: $(grep -o 'solves: [0-9]*' "$work/out"), $t s"
t=$(best "$seek" "$root/examples/standard" --sealed upstream_level=1:4:0.1 -o "$work/sealed.csv")
echo "sealed curve, 31 levels: $(grep -o '[0-9]* solves' "$work/out"), $t s"
