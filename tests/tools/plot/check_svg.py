#!/usr/bin/env python3
"""Checks tqweir-plot's drawings as a reader of the picture would.

For every example case: run tqweir and tqweir-plot in a scratch copy, parse
the SVG as XML (a malformed document fails here), recover the metre scale
from the drawn axis ticks alone, check that it is one scale for x and y with
y pointing up, and map the drawn leaf, bag, stopper and upstream surface back
to metres: they must land on the CSV coordinates. Then draw a run in a folder
whose name holds markup characters and bytes that are not UTF-8.

Usage: check_svg.py TQWEIR TQWEIR_PLOT EXAMPLES_DIR
"""
import os
import shutil
import sys
import xml.etree.ElementTree as ET

from plot_cases import check, finish, read_rows, run, run_examples, summary_texts

SVG = "{http://www.w3.org/2000/svg}"


def fit(pairs):
    """Least-squares line px = a + b * metres through (metres, px) pairs."""
    n = len(pairs)
    mx = sum(m for m, _ in pairs) / n
    mp = sum(p for _, p in pairs) / n
    b = sum((m - mx) * (p - mp) for m, p in pairs) / sum((m - mx) ** 2 for m, _ in pairs)
    return mp - b * mx, b


def axis_scale(root, axis_id, coordinate):
    """(a, b) of px = a + b * value, from the tick marks and their labels."""
    group = root.find(".//%sg[@id='%s']" % (SVG, axis_id))
    ticks = [float(line.get(coordinate)) for line in group.findall(SVG + "line")]
    values = [float(t.text) for t in group.findall(SVG + "text") if t.get("class") == "tick-label"]
    check(len(ticks) == len(values) and len(ticks) >= 3, "%s: %d ticks" % (axis_id, len(ticks)))
    pairs = list(zip(values, ticks))
    a, b = fit(pairs)
    worst = max(abs(a + b * v - p) for v, p in pairs)
    check(worst < 0.02, "%s: ticks off a straight line by %.3f px" % (axis_id, worst))
    return a, b


def drawn_points(root, element_id):
    el = root.find(".//*[@id='%s']" % element_id)
    check(el is not None, "no element with id %s" % element_id)
    if el is None:
        return []
    return [tuple(float(v) for v in p.split(",")) for p in el.get("points").split()]


def compare(name, drawn, expected, to_metres, tolerance):
    check(len(drawn) == len(expected), "%s: %d points drawn, %d in the file"
          % (name, len(drawn), len(expected)))
    worst = 0.0
    for (px, py), (x, y) in zip(drawn, expected):
        mx, my = to_metres(px, py)
        worst = max(worst, abs(mx - x), abs(my - y))
    check(worst <= tolerance, "%s: drawn %.6f m away from the file" % (name, worst))


def check_drawing(folder, case):
    path = os.path.join(folder, "section.svg")
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as error:
        check(False, "%s: not well-formed XML: %s" % (case, error))
        return None
    ax, bx = axis_scale(root, "x-axis", "x1")
    ay, by = axis_scale(root, "y-axis", "y1")
    check(bx > 0, "%s: x grows to the left" % case)
    check(by < 0, "%s: y is not flipped (metres up, pixels down)" % case)
    # Pixels are written with two decimals, so the scales recovered from the
    # ticks may differ by that rounding: less than a tenth of a pixel over
    # the whole drawing.
    frame = root.find(".//%srect[@id='frame']" % SVG)
    check(frame is not None, case + ": no frame")
    span = float(frame.get("width")) / bx if frame is not None else 10.0
    check(abs(bx + by) * span < 0.1, "%s: x and y scales differ: %.6f and %.6f px/m"
          % (case, bx, -by))

    def to_metres(px, py):
        return (px - ax) / bx, (py - ay) / by

    # Coordinates are written with two decimals of a pixel.
    tolerance = 0.02 / bx
    gate = read_rows(folder, "XYGate.csv")
    compare(case + " leaf", drawn_points(root, "leaf"), gate[1:], to_metres, tolerance)
    compare(case + " bag", drawn_points(root, "bag"), read_rows(folder, "XYBalloon.csv"),
            to_metres, tolerance)
    compare(case + " stopper", drawn_points(root, "stopper"), read_rows(folder, "XYStopper.csv"),
            to_metres, tolerance)
    upstream_level = read_rows(folder, "TQSpec.csv")[0][1]
    surface = drawn_points(root, "upstream-surface")
    if upstream_level > 0:
        check(surface, case + ": no upstream surface drawn")
        check(abs(to_metres(*surface[0])[1] - upstream_level) <= tolerance,
              case + ": the upstream surface does not start at the upstream level")
    hinge = root.find(".//*[@id='hinge']/%scircle" % SVG)
    hx, hy = to_metres(float(hinge.get("cx")), float(hinge.get("cy")))
    check(abs(hx) <= tolerance and abs(hy) <= tolerance, case + ": hinge not at the origin")
    text = "".join(root.itertext())
    for word in ("袋体張力", "Bag tension", "内圧パラメータ"):
        check(word in text, "%s: the title block lacks %s" % (case, word))
    # The values as TQSpec.csv prints them: alpha (field 18), tension (20).
    fields = summary_texts(folder)
    values = [t.text for t in root.iter(SVG + "text") if t.get("class") == "value"]
    check(fields[17] in values and fields[19] + " kN/m" in values,
          "%s: the title block shows %s, not alpha %s and tension %s"
          % (case, values, fields[17], fields[19]))
    return root


def main(tqweir, plot, examples):
    def visit(folder, case, scratch):
        check_drawing(folder, case)
        if case != "standard":
            return
        # A folder name with markup characters and CP932 bytes: the title
        # block shows it escaped, the document stays well-formed.
        odd = os.fsdecode(os.path.join(os.fsencode(scratch), b"a&b<c>'\"\x82\xa0"))
        shutil.copytree(os.path.join(examples, case), odd)
        check(run(os.path.abspath(tqweir), odd) == 0, "odd folder: tqweir failed")
        check(run(os.path.abspath(plot), odd) == 0, "odd folder: tqweir-plot failed")
        root = check_drawing(odd, "odd folder")
        if root is not None:
            name = root.find(".//*[@id='case-name']")
            check(name is not None and name.text.endswith("a&b<c>'\"??"),
                  "odd folder: case name shown as %r" % (name.text if name is not None else None))

    run_examples(tqweir, plot, examples, [], visit)
    return finish()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
