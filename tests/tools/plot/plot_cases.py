"""What the plot's read-back checks share: the list of failures, the rows
of a run's files, and each example case run in a scratch folder."""
import os
import shutil
import subprocess
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def read_rows(folder, name):
    """The rows of a CR LF file of numbers, each a tuple of floats."""
    with open(os.path.join(folder, name), "rb") as fh:
        text = fh.read().decode("ascii")
    return [tuple(float(v) for v in line.split(",")) for line in text.split("\r\n") if line]


def summary_texts(folder):
    """The fields of TQSpec.csv as printed, blanks trimmed."""
    with open(os.path.join(folder, "TQSpec.csv"), "rb") as fh:
        return [f.strip() for f in fh.read().decode("ascii").split(",")]


def run(program, folder, *args):
    return subprocess.run([program, *args], cwd=folder, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE).returncode


def run_examples(tqweir, plot, examples, plot_args, visit):
    """Runs tqweir and then tqweir-plot with plot_args on a scratch copy of
    every example case, calling visit(folder, case, scratch) after each."""
    tqweir, plot = os.path.abspath(tqweir), os.path.abspath(plot)
    cases = sorted(d for d in os.listdir(examples)
                   if os.path.isfile(os.path.join(examples, d, "syogen.csv")))
    check(len(cases) >= 1, "no example cases under " + examples)
    with tempfile.TemporaryDirectory() as scratch:
        for case in cases:
            folder = os.path.join(scratch, case)
            shutil.copytree(os.path.join(examples, case), folder)
            check(run(tqweir, folder) == 0, case + ": tqweir failed")
            check(run(plot, folder, *plot_args) == 0, case + ": tqweir-plot failed")
            visit(folder, case, scratch)


def finish():
    """Prints the failures and the closing count; the exit status."""
    for failure in failures:
        print("FAIL: " + failure)
    print("%d passed, %d failed" % (1 if not failures else 0, 1 if failures else 0))
    return 1 if failures else 0
