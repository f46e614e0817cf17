#!/usr/bin/env bash
# tqweir-plot's drawing through a real SVG renderer: the standard example is
# run, drawn and rendered to PNG, and the picture is checked for content.
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

# The picture in docs/ is made the same way (see docs/plot.md).
if ! cmp -s "$work/standard/section.svg" docs/section-standard.svg; then
  echo "note: docs/section-standard.svg differs from today's drawing; regenerate it" \
       "with the commands in docs/plot.md"
fi
