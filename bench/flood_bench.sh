#!/usr/bin/env bash
# Timing of the flood engine (not a test): a 48-hour design flood routed
# through a pond of 200 000 m2 over the standard example's gate, held at its
# angle and sealed, with the gate's table every 0.05 m and every 0.025 m.
# The flood: 2 m3/s of base flow, rising to 25 m3/s at 12 h on a gamma-shaped
# curve (shape 4), back to the base flow by 48 h, one row per hour.
# The timing program is built with the tests (TQWEIR_BUILD_TESTS, on by default).
# Usage: bench/flood_bench.sh [BUILD_DIR]   (default build/)
set -euo pipefail
build=${1:-}
. "$(dirname "$0")/tool_build.sh"
tool_build flood_route_bench
python3 - "$work/flood.csv" <<'PY'
import math, sys
rows = ["hours,m3/s"]
for hour in range(49):
    x = hour / 12.0
    rows.append("%d,%.6f" % (hour, 2.0 + 23.0 * (x * math.exp(1.0 - x)) ** 4))
open(sys.argv[1], "w").write("\r\n".join(rows) + "\r\n")
PY
for spacing in 0.05 0.025; do
  "$build/tests/flood/flood_route_bench" "$root/examples/standard" "$work/flood.csv" 2e5 "$spacing"
done
