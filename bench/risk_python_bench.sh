#!/usr/bin/env bash
# Timing of tqweir.risk against tqweir-risk (not a test): the same design
# (examples/design_flood, its risk.csv's sampling set to BINS x
# EVENTS_PER_BIN, default 20 x 25 as the example) on the same THREADS
# (default 2), wall time of the whole call: the command from its start to
# its exit, Python's from Design.from_folder to the Risk (the interpreter's
# start and the import left out). Rounds alternate, command first; the best
# of ROUNDS (default 3) each is kept, and the curves are checked to be the
# same numbers.
# Usage: bench/risk_python_bench.sh [BUILD_DIR] [BINS] [EVENTS_PER_BIN] [THREADS] [ROUNDS]
set -euo pipefail
build=${1:-}
bins=${2:-20}
per_bin=${3:-25}
threads=${4:-2}
rounds=${5:-3}
. "$(dirname "$0")/tool_build.sh"
tool_build tqweir-risk _tqweir
design="$work/design"
cp -r "$root/examples/design_flood" "$design"
sed -i -e "s/^bins,.*/bins,$bins/" -e "s/^events_per_bin,.*/events_per_bin,$per_bin/" "$design/risk.csv"
echo "processors: $(nproc); load average: $(cut -d' ' -f1-3 /proc/loadavg) (other work shares them)"
PYTHONPATH="$build/python" /usr/bin/python3 - "$build/tqweir-risk" "$design" "$threads" "$rounds" "$work" <<'PY'
import csv, subprocess, sys, time
import tqweir
tool, design, threads, rounds, work = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), sys.argv[5]
best = {"tqweir-risk": float("inf"), "tqweir.risk": float("inf")}
for _ in range(rounds):
    t = time.perf_counter()
    subprocess.run([tool, design, "-o", f"{work}/curve.csv", "--threads", str(threads)],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    best["tqweir-risk"] = min(best["tqweir-risk"], time.perf_counter() - t)
    t = time.perf_counter()
    risk = tqweir.risk(tqweir.Design.from_folder(design), threads=threads)
    best["tqweir.risk"] = min(best["tqweir.risk"], time.perf_counter() - t)
with open(f"{work}/curve.csv", encoding="cp932", newline="") as f:
    rows = list(csv.reader(f))[1:]
same = [[float(c) for c in row] for row in rows] == risk.curve.values.tolist()
print(f"{risk.events} events, {threads} threads, best of {rounds}: "
      f"tqweir-risk {best['tqweir-risk']:.2f} s, tqweir.risk {best['tqweir.risk']:.2f} s "
      f"({100 * (best['tqweir.risk'] / best['tqweir-risk'] - 1):+.1f} %); curves the same: {same}")
PY
