#!/usr/bin/env python3
"""Reads the tables of a tqweir-report page back and compares every number
with tqweir itself, run case by case in a scratch folder on input files made
here independently (the base files with the load case's values written in
by position), for the design's loadcases.csv and for a --range study.

    check_report.py TQWEIR TQWEIR_REPORT DESIGN_DIR
"""
import html.parser
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
from decimal import Decimal, ROUND_CEILING

# Where each input field stands: file and 0-based place.
FIELDS = {
    "overflow_mode": ("parameter.csv", 0), "upstream_level": ("parameter.csv", 1),
    "hd_nd": ("parameter.csv", 2), "layer_level": ("parameter.csv", 3),
    "air_temperature": ("parameter.csv", 4), "theta1_deg": ("parameter.csv", 5),
    "tip_moment": ("parameter.csv", 6), "perimeter": ("parameter.csv", 7),
    "stopper_tension": ("parameter.csv", 8),
    "reserved_1": ("syogen.csv", 0), "span": ("syogen.csv", 1), "reserved_3": ("syogen.csv", 2),
    "leaf_weight": ("syogen.csv", 3), "leaf_weight_arm": ("syogen.csv", 4),
    "stopper_multiplier": ("syogen.csv", 5), "anchor_distance": ("syogen.csv", 6),
    "base_distance": ("syogen.csv", 7), "theta2_deg": ("syogen.csv", 8),
    "discharge_coefficient": ("syogen.csv", 9), "water_unit_weight": ("syogen.csv", 10),
    "layer_unit_weight": ("syogen.csv", 11),
}
SUMMARY = ["overflow_mode", "upstream_level", "hd_rel", "hd_nd", "layer_level", "width_factor",
           "air_temperature", "theta1_deg", "crest_height", "tip_moment", "support_force",
           "perimeter", "bag_height", "chord1_m", "chord2_m", "bag_area",
           "pressure_at_temperature", "alpha", "air_volume", "bag_tension", "tension_pull",
           "bisector_angle_deg", "bag_force2", "stopper_tension", "stopper_base_angle_deg",
           "overflow_discharge", "discharge_coefficient"]
CRITERIA = {"membrane": "bag_tension", "stopper": "stopper_tension",
            "bag_pressure": "pressure_at_temperature", "floor_anchor": "support_force"}
FINISHED = "正常に終了しました"
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def read_text(path):
    data = open(path, "rb").read()
    try:
        return data.decode("utf-8-sig")
    except UnicodeDecodeError:
        return data.decode("cp932")


class Tables(html.parser.HTMLParser):
    """Cells with data-case and data-field by table class, check rows, stop notes."""

    def __init__(self):
        super().__init__()
        self.cells = {}        # (table class, case, field) -> text
        self.checks = {}       # (table class, case, criterion) -> {td class: text}
        self.notes = {}        # case -> text
        self.charts = 0
        self.ids = []
        self.table = None
        self.target = None     # where the text being read goes
        self.text = ""
        self.row = None

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        if "id" in a:
            self.ids.append(a["id"])
        if tag == "table":
            self.table = a.get("class")
        elif tag == "tr" and "data-criterion" in a and "data-case" in a:
            self.row = (self.table, int(a["data-case"]), a["data-criterion"])
            self.checks[self.row] = {}
        elif tag == "td" and "data-case" in a and "data-field" in a:
            self.target = ("cell", (self.table, int(a["data-case"]), a["data-field"]))
            self.text = ""
        elif tag == "td" and self.row is not None:
            names = set(a.get("class", "").split()) & {"value", "limit", "ratio", "result"}
            self.target = ("check", names.pop() if names else "")
            self.text = ""
        elif tag == "p" and a.get("class") == "stop-note":
            self.target = ("note", int(a["data-case"]))
            self.text = ""
        elif tag == "div" and a.get("class") == "chart":
            self.charts += 1

    def handle_data(self, data):
        if self.target is not None:
            self.text += data

    def handle_endtag(self, tag):
        if self.target is None:
            if tag == "tr":
                self.row = None
            return
        kind, key = self.target
        if kind in ("cell", "check") and tag == "td":
            if kind == "cell":
                self.cells[key] = self.text
            else:
                self.checks[self.row][key] = self.text
            self.target = None
        elif kind == "note" and tag == "p":
            self.notes[key] = self.text
            self.target = None


def run_tqweir(tqweir, base, values):
    """Runs tqweir on the base files with `values` (field -> text) written in."""
    work = tempfile.mkdtemp()
    try:
        for name in ("syogen.csv", "parameter.csv", "hitai.csv"):
            shutil.copy(os.path.join(base, name), work)
        for name in ("syogen.csv", "parameter.csv"):
            numbers = open(os.path.join(base, name)).read().strip().split(",")
            for field, text in values.items():
                if FIELDS[field][0] == name:
                    numbers[FIELDS[field][1]] = text
            open(os.path.join(work, name), "w").write(",".join(numbers) + "\n")
        subprocess.run([tqweir], cwd=work, check=False)
        log = open(os.path.join(work, "error.csv"), "rb").read().decode("cp932").strip()
        summary = None
        if log == FINISHED:
            summary = [f.strip() for f in open(os.path.join(work, "TQSpec.csv")).read().split(",")]
        return log, summary
    finally:
        shutil.rmtree(work)


def limits_of(design):
    path = os.path.join(design, "criteria.csv")
    if not os.path.exists(path):
        return {}
    rows = dict(line.split(",", 1) for line in read_text(path).splitlines() if "," in line)
    limits = {}
    if "membrane_strength" in rows:
        limits["membrane"] = (Decimal(rows["membrane_strength"]) /
                              Decimal(rows.get("membrane_safety_factor", "1")))
    for key, name in (("stopper", "stopper_capacity"), ("bag_pressure", "max_bag_pressure"),
                      ("floor_anchor", "floor_anchor_capacity")):
        if name in rows:
            limits[key] = Decimal(rows[name])
    return limits


def ratio_of(summary, criterion, limit):
    value = abs(Decimal(summary[SUMMARY.index(CRITERIA[criterion])]))
    if criterion == "bag_pressure":
        value *= 1000
    return (value / limit).quantize(Decimal("0.001"), rounding=ROUND_CEILING)


def compare(tables, cases, runs, limits, label):
    for n, (name, values) in enumerate(cases, start=1):
        log, summary = runs[n - 1]
        where = "%s case %d (%s)" % (label, n, name)
        status = tables.cells.get(("results", n, "status"), "")
        check(("finished" in status) == (summary is not None), where + ": status " + status)
        for i, field in enumerate(SUMMARY):
            shown = tables.cells.get(("appendix", n, field))
            expected = summary[i] if summary else "—"
            check(shown == expected, "%s: %s is %r, tqweir gives %r" % (where, field, shown, expected))
        if summary is None:
            check(log in tables.notes.get(n, ""), where + ": message " + log + " not in the notes")
            continue
        check(tables.cells.get(("results", n, "alpha")) == summary[SUMMARY.index("alpha")],
              where + ": alpha in the results")
        depth = max(Decimal(0), Decimal(summary[1]) - Decimal(summary[8]))
        check(Decimal(tables.cells.get(("results", n, "overflow_depth"))) == depth,
              where + ": overflow depth")
        for criterion, limit in limits.items():
            row = tables.checks.get(("checks", n, criterion))
            ratio = ratio_of(summary, criterion, limit)
            check(row is not None and Decimal(row["ratio"]) == ratio and
                  row["result"] == ("OK" if ratio <= 1 else "NG"),
                  "%s: %s check %r, expected ratio %s" % (where, criterion, row, ratio))
    for criterion, limit in limits.items():
        ratios = [(ratio_of(s, criterion, limit), n) for n, (_, s) in enumerate(runs, 1) if s]
        if not ratios:
            continue
        best = max(r for r, _ in ratios)
        first = min(n for r, n in ratios if r == best)
        check(("governing", first, criterion) in tables.checks,
              "%s: governing case of %s should be %d" % (label, criterion, first))


def report_tables(report, args):
    out = os.path.join(tempfile.mkdtemp(), "report.html")
    # 1: written, with the checks of a case that stops not determined.
    done = subprocess.run([report] + args + ["-o", out], stdout=subprocess.DEVNULL)
    check(done.returncode in (0, 1), "%s: exit status %d" % (args, done.returncode))
    page = open(out, encoding="utf-8").read()
    shutil.rmtree(os.path.dirname(out))
    tables = Tables()
    tables.feed(page)
    # The drawings share the page: an id twice, or a fill that points at no
    # id, would paint one drawing with another's patterns or with nothing.
    duplicates = sorted({i for i in tables.ids if tables.ids.count(i) > 1})
    check(not duplicates, "ids used twice on the page: %s" % duplicates[:5])
    dangling = sorted(set(re.findall(r"url\(#([^)]+)\)", page)) - set(tables.ids))
    check(not dangling, "references to no id: %s" % dangling[:5])
    return tables


def main():
    tqweir, report, design = (os.path.abspath(a) for a in sys.argv[1:4])
    lines = [l.split(",") for l in read_text(os.path.join(design, "loadcases.csv")).splitlines() if l.strip()]
    header = lines[0][1:]
    cases = [(row[0], dict(zip(header, row[1:]))) for row in lines[1:]]
    runs = [run_tqweir(tqweir, design, values) for _, values in cases]
    check(any(s is None for _, s in runs), "the example design should have a case that stops")
    tables = report_tables(report, [design])
    compare(tables, cases, runs, limits_of(design), "loadcases.csv")

    levels = ["%.1f" % (0.5 + 0.5 * k) for k in range(7)]
    cases = [("upstream_level = " + v, {"upstream_level": v}) for v in levels]
    runs = [run_tqweir(tqweir, design, values) for _, values in cases]
    tables = report_tables(report, [design, "--range", "upstream_level=0.5:3.5:0.5"])
    compare(tables, cases, runs, limits_of(design), "--range")
    check(tables.charts >= 3, "the range study should have operating curves")

    for f in failures:
        print("FAIL:", f)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
