#!/usr/bin/env python3
"""Prints a finished run's message log and its summary with named fields.

Usage: show_summary.py RUN_FOLDER
"""
import os
import sys

FIELDS = [
    ("overflow_mode", "-"), ("upstream_level", "m"), ("downstream depth over hinge", "m"),
    ("hd_nd (floored)", "-"), ("layer_level", "m"), ("width_factor", "-"),
    ("air_temperature", "degC"), ("theta1_deg (clamped)", "deg"), ("crest height H", "m"),
    ("tip_moment", "kN m/m"), ("support force", "kN/m"), ("perimeter", "m"),
    ("bag height", "m"), ("contact length on leaf", "m"), ("contact length on floor", "m"),
    ("bag area", "m2"), ("bag pressure at air temperature", "MPa"), ("alpha", "-"),
    ("air volume at 1 atm", "m3/m"), ("bag tension", "kN/m"), ("tension resultant", "kN/m"),
    ("bisector angle", "deg"), ("bag force on floor", "kN/m"), ("stopper tension", "kN"),
    ("stopper base angle", "deg"), ("overflow discharge", "-"),
    ("discharge coefficient", "-"),
]


def main(folder):
    with open(os.path.join(folder, "error.csv"), "rb") as fh:
        print("error.csv: " + fh.read().decode("cp932").rstrip("\r\n"))
    summary_path = os.path.join(folder, "TQSpec.csv")
    if not os.path.isfile(summary_path):
        return
    with open(summary_path, "rb") as fh:
        values = fh.read().decode("ascii").split(",")
    print("TQSpec.csv:")
    for i, ((name, unit), value) in enumerate(zip(FIELDS, values), start=1):
        print("  %2d  %-34s %12s  %s" % (i, name, value.strip(), unit))


if __name__ == "__main__":
    main(sys.argv[1])
