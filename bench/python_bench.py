#!/usr/bin/python3
"""Times the Python module against the C++ it wraps (bench/python_bench.sh
builds both and calls this):

- one solve of examples/standard from Python (tqweir.solve, then a result
  read: run["bag_tension"]) against the in-process C++: the solve alone
  (solve_bench's solve/standard/reuse) and the run as the tools make it
  (memory_run_bench: the solve and the six files formatted);
- a 1,000-case sweep (bench/sweep_bench.sh's range) from Python
  (tqweir.sweep, a DataFrame) against tqweir-sweep writing its table, on 1
  and 2 threads, after checking that the two tables hold the same cells.

Each figure is the best of ROUNDS rounds, C++ and Python alternating, so
that other work on the machine, which only ever slows a run down, weighs
on both alike; a solve figure is the median of its round.

    python_bench.py --build DIR [--rounds N]
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
RANGE = "upstream_level=0:3.4965:0.0035"  # 1,000 cases, as bench/sweep_bench.sh


def cpp_medians(build, work):
    """{benchmark name: median real ms} of one run of both C++ benchmarks."""
    medians = {}
    for program, pattern in (("tqweir_bench", "solve/standard/reuse"), ("tqweir_memory_bench", "memory_run")):
        out = os.path.join(work, program + ".json")
        subprocess.run([os.path.join(build, "bench", program), f"--benchmark_filter={pattern}",
                        "--benchmark_repetitions=10", "--benchmark_min_time=0.05",
                        "--benchmark_report_aggregates_only=true", f"--benchmark_out={out}",
                        "--benchmark_out_format=json"], check=True, capture_output=True)
        with open(out) as f:
            for row in json.load(f)["benchmarks"]:
                if row.get("aggregate_name") == "median":
                    medians[row["run_name"]] = row["real_time"]
    return medians


def python_solve_ms(tqweir, case, solves=300):
    times = []
    for _ in range(solves):
        start = time.perf_counter()
        tqweir.solve(case)["bag_tension"]
        times.append(time.perf_counter() - start)
    return 1000 * statistics.median(times)


def wall(run):
    start = time.perf_counter()
    result = run()
    return time.perf_counter() - start, result


def range_texts():
    field, rest = RANGE.split("=")
    lo, hi, step = (float(t) for t in rest.split(":"))
    count = round((hi - lo) / step) + 1
    return field, [f"{lo + i * step:.4f}".rstrip("0").rstrip(".") for i in range(count)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    sys.path.insert(0, os.path.join(args.build, "python"))
    import tqweir
    from tqweir._tables import result_frame

    case = tqweir.Case.from_folder(STANDARD)
    field, texts = range_texts()
    best = {}
    keep = lambda key, value: best.__setitem__(key, min(value, best.get(key, value)))
    with tempfile.TemporaryDirectory() as work:
        out = os.path.join(work, "sweep.csv")
        for _ in range(args.rounds):
            for name, ms in cpp_medians(args.build, work).items():
                keep(name, ms)
            keep("python", python_solve_ms(tqweir, case))
            for threads in (1, 2):
                command = [os.path.join(args.build, "tqweir-sweep"), STANDARD, "--range", RANGE,
                           "-j", str(threads), "-o", out]
                keep(("cli", threads), wall(lambda: subprocess.run(command, check=True, capture_output=True))[0])
                seconds, frame = wall(lambda: tqweir.sweep(case, {field: texts}, threads=threads))
                keep(("module", threads), seconds)
                with open(out, "rb") as f:
                    if not frame.equals(result_frame(f.read())):
                        raise SystemExit("tqweir.sweep and tqweir-sweep differ")

    solve, memory, py = best["solve/standard/reuse"], best["memory_run"], best["python"]
    print(f"one solve of examples/standard, best of {args.rounds} rounds' medians:")
    print(f"  C++ solve alone {solve:.3f} ms; C++ run in memory (solve and files) {memory:.3f} ms")
    print(f"  Python tqweir.solve + a result {py:.3f} ms: {100 * (py / solve - 1):+.1f} % against the "
          f"solve, {100 * (py / memory - 1):+.1f} % against the run in memory")
    print(f"sweep of {len(texts)} cases ({RANGE}), best of {args.rounds} runs, wall s")
    print(f"{'threads':>7} {'tqweir-sweep':>12} {'tqweir.sweep':>12} {'difference':>10}")
    for threads in (1, 2):
        cli, mod = best[("cli", threads)], best[("module", threads)]
        print(f"{threads:>7} {cli:>12.3f} {mod:>12.3f} {100 * (mod / cli - 1):>+9.1f}%")


if __name__ == "__main__":
    main()
