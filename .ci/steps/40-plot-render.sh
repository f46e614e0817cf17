#!/usr/bin/env bash
# tqweir-plot's drawings through real renderers: the standard example is
# run, drawn as SVG and rendered to PNG, and every example is drawn as DXF,
# read back and rendered by ezdxf with matplotlib; each picture is checked
# for content. About 15 s.
set -euo pipefail
root="$(pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The labels are half Japanese: without a font that has the characters the
# renderer would draw empty boxes.
if ! fc-list :lang=ja family | grep -q .; then
  echo "no font with Japanese characters is installed (see .ci/packages/plot.txt)" >&2
  exit 1
fi

mkdir "$work/standard"
cp examples/standard/*.csv "$work/standard/"
(cd "$work/standard" && "$root/build/tqweir")
build/tqweir-plot "$work/standard"
rsvg-convert "$work/standard/section.svg" -o "$work/section.png"
python3 tests/tools/plot/png_check.py "$work/section.png"

# Debian's interpreter: python3-ezdxf and python3-matplotlib live there.
mkdir "$work/dxf"
/usr/bin/python3 tests/tools/plot/check_dxf.py build/tqweir build/tqweir-plot examples "$work/dxf"

# The pictures in docs/ are made the same way (see docs/plot.md).
if ! cmp -s "$work/standard/section.svg" docs/section-standard.svg; then
  echo "note: docs/section-standard.svg differs from today's drawing; regenerate it" \
       "with the commands in docs/plot.md"
fi
