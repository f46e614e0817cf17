#!/usr/bin/env python3
"""Reads tqweir-plot's DXF drawings back with an independent reader (ezdxf).

For every example case: run tqweir and tqweir-plot --dxf in a scratch copy,
read the DXF with ezdxf and check that it is R12 (AC1009) with every layer,
that each polyline's vertices are the coordinate files' rows (the same
numbers, parsed from both texts), that the bag outline is closed, and that
the text states the key results as TQSpec.csv prints them. With PNG_DIR,
also render each drawing with ezdxf's drawing add-on and matplotlib to
PNG_DIR/CASE.png and check that the picture holds a drawing.

Usage: check_dxf.py TQWEIR TQWEIR_PLOT EXAMPLES_DIR [PNG_DIR]
"""
import logging
import os
import sys

import ezdxf

from plot_cases import check, finish, read_rows as rows, run_examples, summary_texts

LAYERS = ["FLOOR", "LEAF", "HINGE", "BAG", "STOPPER", "WATER_UP", "WATER_DOWN", "LAYER2", "TEXT"]


def expected_polylines(folder):
    """Each layer's vertices, built from the files as section_dxf.h says."""
    gate = [r[:2] for r in rows(folder, "XYGate.csv")]
    bag = rows(folder, "XYBalloon.csv")
    spec = rows(folder, "TQSpec.csv")[0]
    up, down, layer = spec[1], spec[2], spec[4]
    reach = max(x for x, _ in gate)
    wet = []
    for x, surface, depth, _ in rows(folder, "suimen.csv"):
        if depth > 0 and (not wet or wet[-1] != (x, surface)):
            wet.append((x, surface))
    check(bag[-1] == bag[0], folder + ": XYBalloon.csv does not end where it starts")
    expected = {"FLOOR": gate[:2], "LEAF": gate[1:], "BAG": bag[:-1],
                "STOPPER": rows(folder, "XYStopper.csv"),
                "WATER_DOWN": [(gate[1][0], down), (reach, down)]}
    if up > 0:
        expected["WATER_UP"] = [(-reach, up)] + wet
    if layer > 0:
        expected["LAYER2"] = [(-reach, layer), (gate[1][0], layer)]
    return expected


def check_drawing(folder, case):
    doc = ezdxf.readfile(os.path.join(folder, "section.dxf"))
    check(doc.dxfversion == "AC1009", "%s: version %s" % (case, doc.dxfversion))
    names = {layer.dxf.name for layer in doc.layers}
    check(set(LAYERS) <= names, "%s: layers missing: %s" % (case, set(LAYERS) - names))
    drawn = {}
    for entity in doc.modelspace().query("POLYLINE"):
        check(entity.dxf.layer not in drawn, "%s: two polylines on %s" % (case, entity.dxf.layer))
        drawn[entity.dxf.layer] = ([tuple(p)[:2] for p in entity.points()], entity.is_closed)
    for layer, vertices in expected_polylines(folder).items():
        got, closed = drawn.pop(layer, ([], False))
        check(got == vertices, "%s %s: %d vertices drawn, %d expected, first difference %s"
              % (case, layer, len(got), len(vertices),
                 next(((g, e) for g, e in zip(got, vertices) if g != e), None)))
        check(closed == (layer == "BAG"), "%s %s: closed is %s" % (case, layer, closed))
    check(not drawn, "%s: unexpected polylines on %s" % (case, sorted(drawn)))
    hinge = doc.modelspace().query("CIRCLE[layer=='HINGE']")
    check(len(hinge) == 1 and tuple(hinge[0].dxf.center)[:2] == (0.0, 0.0),
          case + ": no hinge circle at the origin")
    text = "\n".join(t.dxf.text for t in doc.modelspace().query("TEXT[layer=='TEXT']"))
    fields = summary_texts(folder)
    for label, number in (("alpha", 17), ("bag pressure", 16), ("bag tension", 19),
                          ("stopper angle", 24)):
        check(any(label in line and line.split("= ")[-1].startswith(fields[number])
                  for line in text.split("\n")),
              "%s: the text does not state %s = %s" % (case, label, fields[number]))
    return doc


def render(doc, png):
    """Draws the DXF to PNG and checks the picture: lines and text in black,
    the bag in red, the waters in blue, on a white page."""
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.image
    from ezdxf.addons.drawing.matplotlib import qsave
    # The text style names the CAD font "txt", which matplotlib has not.
    logging.getLogger("matplotlib.font_manager").setLevel(logging.ERROR)
    qsave(doc.modelspace(), png, bg="#FFFFFF", dpi=150, size_inches=(9.6, 7.2))
    pixels = matplotlib.image.imread(png)[:, :, :3]
    r, g, b = pixels[..., 0], pixels[..., 1], pixels[..., 2]
    ink = (pixels.min(axis=2) < 0.9).mean()
    red = ((r > 0.6) & (g < 0.4) & (b < 0.4)).sum()
    blue = ((b > 0.6) & (r < 0.4) & (g < 0.4)).sum()
    print("%s: %dx%d, inked %.1f%%, red %d, blue %d pixels"
          % (png, pixels.shape[1], pixels.shape[0], 100 * ink, red, blue))
    check(0.002 <= ink <= 0.5, png + ": inked share is not that of a drawing")
    check(red >= 200 and blue >= 200, png + ": the bag or the waters are missing")


def main(tqweir, plot, examples, png_dir=None):
    def visit(folder, case, _):
        doc = check_drawing(folder, case)
        if png_dir:
            render(doc, os.path.join(png_dir, case + ".png"))

    run_examples(tqweir, plot, examples, ["--dxf"], visit)
    return finish()


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
