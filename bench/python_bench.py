#!/usr/bin/python3
"""Times the Python module against the C++ it wraps (bench/python_bench.sh
builds both and calls this):

- one solve of examples/standard from Python (tqweir.solve: the run in
  memory, its files, the results read back into numpy arrays) against the
  in-process C++ solve of the benchmark solve/standard/reuse (its median);
- a 1,000-case sweep (bench/sweep_bench.sh's range) from Python
  (tqweir.sweep, a DataFrame) against tqweir-sweep writing its table, on 1
  and 2 threads, best wall time of REPEAT runs each, after checking that
  the two tables hold the same cells.

    python_bench.py --build DIR --bench-json FILE [--repeat N] [--solves N]
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STANDARD = os.path.join(ROOT, "examples", "standard")
RANGE = ("upstream_level", 0.0, 3.4965, 0.0035)  # 1,000 cases, as bench/sweep_bench.sh


def cpp_solve_ms(bench_json):
    with open(bench_json) as f:
        rows = json.load(f)["benchmarks"]
    for row in rows:
        if row["name"] == "solve/standard/reuse_median":
            return row["real_time"]
    raise SystemExit("no solve/standard/reuse median in " + bench_json)


def python_solve_ms(tqweir, solves):
    case = tqweir.Case.from_folder(STANDARD)
    times = []
    for _ in range(solves):
        start = time.perf_counter()
        tqweir.solve(case)
        times.append(time.perf_counter() - start)
    return 1000 * statistics.median(times)


def best_wall(run, repeat):
    best = None
    for _ in range(repeat):
        start = time.perf_counter()
        result = run()
        wall = time.perf_counter() - start
        if best is None or wall < best[0]:
            best = (wall, result)
    return best


def range_texts():
    field, lo, hi, step = RANGE
    count = round((hi - lo) / step) + 1
    return field, [f"{lo + i * step:.4f}".rstrip("0").rstrip(".") for i in range(count)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--bench-json", required=True)
    parser.add_argument("--repeat", type=int, default=3)
    parser.add_argument("--solves", type=int, default=500)
    args = parser.parse_args()
    sys.path.insert(0, os.path.join(args.build, "python"))
    import tqweir

    cpp = cpp_solve_ms(args.bench_json)
    py = python_solve_ms(tqweir, args.solves)
    print(f"one solve of examples/standard: C++ in process {cpp:.3f} ms (median), "
          f"Python tqweir.solve {py:.3f} ms (median of {args.solves}): {100 * (py / cpp - 1):+.1f} %")

    field, texts = range_texts()
    base = tqweir.Case.from_folder(STANDARD)
    program = os.path.join(args.build, "tqweir-sweep")
    spec = f"{field}={RANGE[1]}:{RANGE[2]}:{RANGE[3]}"
    print(f"sweep of {len(texts)} cases ({spec}), best of {args.repeat} runs")
    print(f"{'threads':>7} {'tqweir-sweep_s':>14} {'tqweir.sweep_s':>14} {'difference':>10}")
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "sweep.csv")
        for threads in (1, 2):
            command = [program, STANDARD, "--range", spec, "-j", str(threads), "-o", out]
            cli, _ = best_wall(lambda: subprocess.run(command, check=True, capture_output=True), args.repeat)
            table = {field: texts}
            mod, frame = best_wall(lambda: tqweir.sweep(base, table, threads=threads), args.repeat)
            check_same(frame, out, tqweir)
            print(f"{threads:>7} {cli:>14.3f} {mod:>14.3f} {100 * (mod / cli - 1):>+9.1f}%")


def check_same(frame, path, tqweir):
    from tqweir._tables import result_frame
    with open(path, "rb") as f:
        table = result_frame(f.read())
    if not frame.equals(table):
        raise SystemExit("tqweir.sweep and tqweir-sweep differ")


if __name__ == "__main__":
    main()
