#!/usr/bin/env bash
# Times the Python module against the C++ (bench/python_bench.py): builds the
# benchmarks, the module and tqweir-sweep in build-bench/ (RelWithDebInfo, as
# bench/run-bench.sh), then alternates C++ and Python timings.
#
#   bench/python_bench.sh [ROUNDS]     ROUNDS: alternating rounds (default 5)
set -euo pipefail
rounds="${1:-5}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQWEIR_BUILD_BENCHMARKS=ON \
  -DTQWEIR_BUILD_TESTS=OFF -DTQWEIR_BUILD_PYTHON=ON >/dev/null
cmake --build "$build" -j2 --target tqweir_bench tqweir_memory_bench _tqweir tqweir-sweep >/dev/null
echo "processors: $(nproc); load average: $(cut -d' ' -f1-3 /proc/loadavg) (other work shares them)"
/usr/bin/python3 "$root/bench/python_bench.py" --build "$build" --rounds "$rounds"
