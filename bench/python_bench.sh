#!/usr/bin/env bash
# Times the Python module against the C++ (bench/python_bench.py): builds the
# benchmark, the module and tqweir-sweep in build-bench/ (RelWithDebInfo, as
# bench/run-bench.sh), runs the in-process solve benchmark, then the Python
# timings.
#
#   bench/python_bench.sh [REPEAT]     REPEAT: sweep runs per thread count (default 3)
set -euo pipefail
repeat="${1:-3}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQWEIR_BUILD_BENCHMARKS=ON \
  -DTQWEIR_BUILD_TESTS=OFF -DTQWEIR_BUILD_PYTHON=ON >/dev/null
cmake --build "$build" -j2 --target tqweir_bench _tqweir tqweir-sweep >/dev/null
json="$build/python_bench.json"
"$build/bench/tqweir_bench" --benchmark_filter='solve/standard/reuse' --benchmark_repetitions=20 \
  --benchmark_min_time=0.1 --benchmark_report_aggregates_only=true --benchmark_out="$json" \
  --benchmark_out_format=json >/dev/null
echo "processors: $(nproc); load average: $(cut -d' ' -f1-3 /proc/loadavg) (other work shares them)"
/usr/bin/python3 "$root/bench/python_bench.py" --build "$build" --bench-json "$json" --repeat "$repeat"
