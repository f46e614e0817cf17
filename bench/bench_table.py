#!/usr/bin/env python3
"""Prints the speed table: the benchmark's medians (from its JSON output)
and the median wall time of whole tqweir runs on an example.

    bench_table.py --bench-json FILE --program TQWEIR --example DIR
                   [--baseline-program TQWEIR] [--runs N]

With a baseline program (the same program built from an earlier revision)
the whole-process row shows both, after checking that both leave the same
bytes in every output file.
"""
import argparse
import json
import os
import platform
import resource
import shutil
import statistics
import subprocess
import tempfile
import time

OUTPUTS = ["error.csv", "suimen.csv", "XYGate.csv", "XYStopper.csv", "XYBalloon.csv", "TQSpec.csv"]


def run_once(program, example, work):
    """One run in a fresh copy of the example: (wall s, cpu s, outputs)."""
    if os.path.exists(work):
        shutil.rmtree(work)
    shutil.copytree(example, work)
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    status = subprocess.run([program], cwd=work, stdout=subprocess.DEVNULL).returncode
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    if status != 0:
        raise SystemExit(f"{program} exited with {status} on {example}")
    outputs = {}
    for name in OUTPUTS:
        with open(os.path.join(work, name), "rb") as f:
            outputs[name] = f.read()
    return wall, cpu, outputs


def time_process(program, example, runs, scratch):
    walls, cpus, outputs = [], [], None
    work = os.path.join(scratch, "run")
    run_once(program, example, work)  # warm the caches once
    for _ in range(runs):
        wall, cpu, outputs = run_once(program, example, work)
        walls.append(wall)
        cpus.append(cpu)
    return statistics.median(walls), statistics.median(cpus), outputs


def medians(bench_json):
    """{(example, mode): (real ms, cpu ms, integrand evaluations)}"""
    with open(bench_json) as f:
        data = json.load(f)
    result = {}
    repetitions = 0
    for b in data["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        repetitions = b.get("repetitions", 0)
        _, example, mode = b["run_name"].split("/")
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        result[(example, mode)] = (b["real_time"] * scale, b["cpu_time"] * scale,
                                   int(b["integrand_evals"]))
    return result, data["context"], repetitions


def machine(context):
    """A vendor-neutral line: architecture, CPUs, clock, load, compiler."""
    load = context.get("load_avg") or []
    load_text = f"load average {load[0]:.1f} at the start" if load else "load unknown"
    try:
        version = subprocess.run(["c++", "-dumpfullversion"], capture_output=True,
                                 text=True).stdout.strip()
        driver = os.path.basename(os.path.realpath(shutil.which("c++") or "c++"))
        compiler = f"{driver} {version}"
    except OSError:
        compiler = "unknown compiler"
    return (f"{platform.machine()}, {context.get('num_cpus', '?')} CPUs at "
            f"{context.get('mhz_per_cpu', '?')} MHz ({load_text}), {platform.system()} "
            f"{platform.release().split('-')[0]}, {compiler}, RelWithDebInfo (-O2)")


def ratio(a, b):
    return f"{a / b:.2f}" if b else "-"


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bench-json", required=True)
    ap.add_argument("--program", required=True)
    ap.add_argument("--baseline-program")
    ap.add_argument("--example", required=True)
    ap.add_argument("--runs", type=int, default=20)
    args = ap.parse_args()

    solve, context, repetitions = medians(args.bench_json)
    with tempfile.TemporaryDirectory() as scratch:
        wall, cpu, outputs = time_process(args.program, args.example, args.runs, scratch)
        base = None
        if args.baseline_program:
            base = time_process(args.baseline_program, args.example, args.runs, scratch)
            for name in OUTPUTS:
                if base[2][name] != outputs[name]:
                    raise SystemExit(f"{name} differs between the baseline and this build")

    example = os.path.basename(os.path.normpath(args.example))
    print(f"Machine: {machine(context)}")
    print()
    print("| Measure | literal | reuse | literal / reuse |")
    print("|---|---:|---:|---:|")
    examples = sorted({ex for ex, _ in solve}, key=lambda ex: (ex != example, ex))
    for ex in examples:
        if (ex, "literal") not in solve or (ex, "reuse") not in solve:
            continue
        lit, reu = solve[(ex, "literal")], solve[(ex, "reuse")]
        print(f"| {ex}: integrand evaluations per run | {lit[2]:,} | {reu[2]:,} | "
              f"{ratio(lit[2], reu[2])} |")
        print(f"| {ex}: in-process solve, CPU time (median of {repetitions}) | {lit[1]:.3f} ms | {reu[1]:.3f} ms | "
              f"{ratio(lit[1], reu[1])} |")
        print(f"| {ex}: in-process solve, wall time (median of {repetitions}) | {lit[0]:.3f} ms | {reu[0]:.3f} ms | "
              f"{ratio(lit[0], reu[0])} |")
    for label, index in (("wall", 0), ("CPU", 1)):
        base_text = "-"
        now = f"{(wall, cpu)[index] * 1e3:.2f} ms"
        r = "-"
        if base:
            base_text = f"{base[index] * 1e3:.2f} ms"
            r = ratio(base[index], (wall, cpu)[index])
        print(f"| {example}: whole process, {label} time (median of {args.runs}) | {base_text} | "
              f"{now} | {r} |")
    if base:
        print()
        print("The literal column of the whole-process rows is the program built from the "
              "baseline revision; both left identical bytes in all six output files.")


if __name__ == "__main__":
    main()
