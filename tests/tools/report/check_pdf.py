#!/usr/bin/env python3
"""Checks a tqweir-report PDF as a reader gets it: it has pages, and its
text (pdftotext) holds the name of every load case and every alpha the
report's results table shows.

    check_pdf.py REPORT.html REPORT.pdf LOADCASES.csv
"""
import re
import subprocess
import sys


def squeezed(text):
    # Table cells wrap long names over lines: compare without white space.
    return re.sub(r"\s+", "", text)


def main():
    html_path, pdf_path, cases_path = sys.argv[1:4]
    info = subprocess.run(["pdfinfo", pdf_path], capture_output=True, text=True, check=True).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    text = squeezed(subprocess.run(["pdftotext", "-enc", "UTF-8", pdf_path, "-"],
                                   capture_output=True, text=True, check=True).stdout)
    raw = open(cases_path, "rb").read()
    try:
        lines = raw.decode("utf-8-sig").splitlines()
    except UnicodeDecodeError:
        lines = raw.decode("cp932").splitlines()
    names = [line.split(",")[0] for line in lines[1:] if line.strip()]
    alphas = re.findall(r'data-field="alpha">([^<]+)<', open(html_path, encoding="utf-8").read())
    failures = []
    if pages < 1:
        failures.append("the PDF has no page")
    for name in names:
        if squeezed(name) not in text:
            failures.append("case name %r is not in the PDF's text" % name)
    shown = [a for a in alphas if a != "\u2014"]
    if not shown:
        failures.append("the report shows no alpha")
    for alpha in shown:
        if alpha not in text:
            failures.append("alpha %s is not in the PDF's text" % alpha)
    print("%d pages; %d case names and %d alphas looked for" % (pages, len(names), len(shown)))
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
