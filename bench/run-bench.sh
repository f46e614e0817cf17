#!/usr/bin/env bash
# Builds the program and the benchmarks (build-bench/, RelWithDebInfo as the
# README's build), runs the in-process solve benchmark with repetitions and
# times whole runs of the example, then prints the table of medians.
#
#   bench/run-bench.sh [--repetitions N] [--runs N] [--baseline REV]
#
#   --repetitions N  repetitions of each solve benchmark (default 20)
#   --runs N         whole-process runs of examples/standard (default 20)
#   --baseline REV   also build tqweir from git revision REV (e.g. the
#                    commit before the speed work) and time it beside this
#                    build, after checking both write the same bytes
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
repetitions=20
runs=20
baseline=""
while [ $# -gt 0 ]; do
  case "$1" in
    --repetitions) repetitions="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --baseline) baseline="$2"; shift 2 ;;
    *) echo "usage: $0 [--repetitions N] [--runs N] [--baseline REV]" >&2; exit 2 ;;
  esac
done

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTQWEIR_BUILD_BENCHMARKS=ON -DTQWEIR_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target tqweir tqweir_bench >/dev/null

baseline_args=()
if [ -n "$baseline" ]; then
  src="$build/baseline-src"
  rm -rf "$src"
  mkdir -p "$src"
  git -C "$root" archive "$baseline" | tar -x -C "$src"
  cmake -S "$src" -B "$build/baseline" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTQWEIR_BUILD_TESTS=OFF >/dev/null
  cmake --build "$build/baseline" -j2 --target tqweir >/dev/null
  baseline_args=(--baseline-program "$build/baseline/tqweir")
fi

json="$build/solve_bench.json"
# Repetitions of all benchmarks interleaved at random, so that a change in
# the machine's load during the run hits literal and reuse alike.
"$build/bench/tqweir_bench" --benchmark_repetitions="$repetitions" \
  --benchmark_min_time=0.1 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true --benchmark_out="$json" \
  --benchmark_out_format=json >/dev/null

python3 "$root/bench/bench_table.py" --bench-json "$json" --program "$build/tqweir" \
  --example "$root/examples/standard" --runs "$runs" "${baseline_args[@]}"
