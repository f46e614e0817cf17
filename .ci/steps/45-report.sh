#!/usr/bin/env bash
# tqweir-report as a reader gets it: the example design's report printed to
# PDF by headless chromium; the PDF must have pages and hold every case name
# and alpha (pdftotext); no table, drawing or chart of the page may be wider
# than the A4 text width, measured in the browser, for the example and for
# an operating-curve study, for a weir of three gates, and for the design
# flood's example with its flood risk. About 45 s.
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The report is half Japanese: without a font that has the characters the
# PDF would show empty boxes.
if ! fc-list :lang=ja family | grep -q .; then
  echo "no font with Japanese characters is installed (see .ci/packages/report.txt)" >&2
  exit 1
fi

design=examples/design_standard
# Status 1: the example's case 3 stops, so its checks are not determined.
build/tqweir-report "$design" -o "$work/report.html" --pdf || [ $? -eq 1 ]
python3 tests/tools/report/check_pdf.py "$work/report.html" "$work/report.pdf" "$design/loadcases.csv"
python3 tests/tools/report/measure_widths.py "$work/report.html"

build/tqweir-report "$design" --range upstream_level=0.5:3.5:0.25 -o "$work/study.html" || [ $? -eq 1 ]
grep -q 'id="charts"' "$work/study.html"
python3 tests/tools/report/measure_widths.py "$work/study.html"

# A weir of three gates with a fixed crest: its table, the K-failed table
# and the gates' chart fit the text width too.
build/tqweir-report examples/weir_flood -o "$work/weir.html"
grep -q 'data-checked="1"' "$work/weir.html"
python3 tests/tools/report/measure_widths.py "$work/weir.html"
# The design flood's example holds risk.csv: its report routes the flood
# both ways and runs the risk (20 x 25 events, about 10 s more); the risk
# section's tables and chart must fit the text width too.
flood=examples/design_flood
build/tqweir-report "$flood" -o "$work/flood.html"
grep -q 'id="risk"' "$work/flood.html"
python3 tests/tools/report/measure_widths.py "$work/flood.html"

# Speed, informative: a 20-case report (bench/report_bench.sh).
bash bench/report_bench.sh 5
