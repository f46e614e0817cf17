#!/usr/bin/env python3
"""Measures a tqweir-report page in headless chromium: no table, drawing,
chart or file listing may reach beyond the A4 text width, and no cell's
content may spill out of its cell. A copy of the page gets a script that
writes the measurements into the page, which chromium then dumps.

    measure_widths.py REPORT.html [CHROMIUM]
"""
import os
import re
import subprocess
import sys
import tempfile

A4_TEXT_WIDTH_MM = 180.0  # 210 mm less the two 15 mm margins of the page style
PX_PER_MM = 96 / 25.4

SCRIPT = r"""<script>
(function () {
  const body = document.body, cs = getComputedStyle(body);
  const left = body.getBoundingClientRect().left + parseFloat(cs.paddingLeft);
  const width = body.getBoundingClientRect().width - parseFloat(cs.paddingLeft) -
      parseFloat(cs.paddingRight);
  const out = ['text-width ' + width.toFixed(2)];
  document.querySelectorAll('table, figure, div.chart, pre').forEach(function (el) {
    const r = el.getBoundingClientRect();
    out.push('block ' + el.tagName.toLowerCase() + '.' + (el.getAttribute('class') || '') +
             ' ' + (r.right - left).toFixed(2));
  });
  document.querySelectorAll('td, th').forEach(function (el) {
    if (el.scrollWidth > el.clientWidth + 1) {
      out.push('spill ' + el.scrollWidth + ' ' + el.clientWidth + ' ' +
               el.textContent.replace(/\s+/g, ' ').slice(0, 60));
    }
  });
  const pre = document.createElement('pre');
  pre.id = 'measurements';
  pre.textContent = out.join('\n');
  body.appendChild(pre);
})();
</script>"""


def main():
    report = sys.argv[1]
    chromium = sys.argv[2] if len(sys.argv) > 2 else "chromium"
    page = open(report, encoding="utf-8").read()
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, "measure.html")
        open(copy, "w", encoding="utf-8").write(page.replace("</body>", SCRIPT + "</body>"))
        args = [chromium, "--headless", "--disable-gpu", "--virtual-time-budget=3000",
                "--dump-dom", "file://" + copy]
        if os.geteuid() == 0:
            args.insert(1, "--no-sandbox")
        dom = subprocess.run(args, capture_output=True, text=True, timeout=120).stdout
    found = re.search(r'<pre id="measurements">(.*?)</pre>', dom, re.S)
    if not found:
        print("no measurements in the dumped page")
        return 1
    lines = found.group(1).splitlines()
    text_width = float(lines[0].split()[1])
    expected = A4_TEXT_WIDTH_MM * PX_PER_MM
    failures = []
    if abs(text_width - expected) > 0.5:
        failures.append("the text is %.2f px wide, A4 gives %.2f px" % (text_width, expected))
    widest = 0.0
    blocks = 0
    for line in lines[1:]:
        kind, rest = line.split(" ", 1)
        if kind == "block":
            name, right = rest.rsplit(" ", 1)
            blocks += 1
            widest = max(widest, float(right))
            if float(right) > text_width + 0.5:
                failures.append("%s reaches %.2f px, beyond %.2f px" % (name, float(right), text_width))
        else:
            failures.append("a cell's content spills out: " + rest)
    print("%d blocks; the widest reaches %.2f of %.2f px (A4 text width %.0f mm)"
          % (blocks, widest, text_width, A4_TEXT_WIDTH_MM))
    for f in failures:
        print("FAIL:", f)
    return 1 if failures or blocks == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
