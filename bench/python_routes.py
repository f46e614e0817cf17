#!/usr/bin/python3
"""The example design flood routed from Python with one Design loaded, against
the command's route; and the files the routes open.

    /usr/bin/python3 bench/python_routes.py [--build build] [--routes 20] [--runs 5]

Loads examples/design_flood once (Design.from_folder) and its hydrograph once
(a DataFrame), routes it --routes times, and times tqweir-operate DESIGN
--flood INFLOW.csv --runs times. With strace on PATH it routes again under
`strace -f -e trace=openat` and counts the design folder's files opened after
the design was loaded: 0 when every route runs on the files read once.
"""

import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DESIGN = os.path.join(ROOT, "examples", "design_flood")
INFLOW = os.path.join(DESIGN, "design_flood.csv")
# Opened (and not found) between the loading and the routes, so that the
# trace shows where the routes begin.
MARKER = "/nonexistent/tqweir-routes-begin"


def route(build, routes):
    """Wall and processor seconds of each of `routes` routes on one loaded
    design."""
    sys.path.insert(0, os.path.join(build, "python"))
    import pandas as pd
    import tqweir
    design = tqweir.Design.from_folder(DESIGN)
    inflow = pd.read_csv(INFLOW, float_precision="round_trip")
    try:
        os.open(MARKER, os.O_RDONLY)
    except OSError:
        pass
    wall, cpu = [], []
    for _ in range(routes):
        start, used = time.perf_counter(), time.process_time()
        flood = design.flood(inflow)
        wall.append(time.perf_counter() - start)
        cpu.append(time.process_time() - used)
        assert flood.status == 0, flood.printout
    return wall, cpu


def children_cpu():
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    return used.ru_utime + used.ru_stime


def command(build, runs):
    """Wall and processor seconds of each of `runs` runs of tqweir-operate
    --flood."""
    wall, cpu = [], []
    for _ in range(runs):
        start, used = time.perf_counter(), children_cpu()
        subprocess.run([os.path.join(build, "tqweir-operate"), DESIGN, "--flood", INFLOW],
                       check=True, stdout=subprocess.DEVNULL)
        wall.append(time.perf_counter() - start)
        cpu.append(children_cpu() - used)
    return wall, cpu


def opened_after_loading(build, routes):
    """The design folder's files opened after the marker, in a traced run."""
    with tempfile.TemporaryDirectory() as scratch:
        log = os.path.join(scratch, "openat.log")
        subprocess.run(["strace", "-f", "-qq", "-e", "trace=openat", "-o", log, sys.executable,
                        os.path.abspath(__file__), "--build", build, "--routes", str(routes),
                        "--routes-only"], check=True, stdout=subprocess.DEVNULL)
        with open(log) as f:
            lines = f.read().splitlines()
    begun = [i for i, line in enumerate(lines) if MARKER in line]
    assert begun, "the trace has no marker"
    loading = [line for line in lines[:begun[0]] if DESIGN in line]
    after = [line for line in lines[begun[0]:] if DESIGN in line]
    return len(loading), after


def shown(times):
    """Best and median wall time, and the processor time's (the load of other
    work on a shared machine stretches the wall time, much less the other)."""
    wall, cpu = times
    return (f"wall best {min(wall):.3f} s, median {statistics.median(wall):.3f} s; "
            f"processor best {min(cpu):.3f} s, median {statistics.median(cpu):.3f} s")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--routes", type=int, default=20)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--routes-only", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    if args.routes_only:
        route(build, args.routes)
        return
    print(f"processors: {os.cpu_count()}; load average: {os.getloadavg()[0]:.2f} "
          "(other work shares them)")
    print(f"Python, one Design, {args.routes} routes: {shown(route(build, args.routes))} per route")
    print(f"tqweir-operate --flood, {args.runs} runs: {shown(command(build, args.runs))} per run")
    if shutil.which("strace") is None:
        print("strace not on PATH: the files opened are not counted")
        return
    loading, after = opened_after_loading(build, 2)
    print(f"design files opened: {loading} while loading, {len(after)} over 2 routes after it")
    for line in after:
        print("  " + line)


if __name__ == "__main__":
    main()
