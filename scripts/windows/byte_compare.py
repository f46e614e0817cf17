#!/usr/bin/env python3
"""Runs a program on every case and compares its outputs byte for byte.

Usage:  byte_compare.py [--report-only] PROGRAM CASES_DIR EXPECTED_DIR

Like the project's stored-case test: PROGRAM runs with no arguments in a
scratch copy of each case folder; afterwards every file of the expected
folder must be there with the same bytes, a folder there must still be a
folder, nothing else may appear, and the exit status must equal
EXPECTED/NAME/_exit_status. A differing file is shown field by field, so a
last-digit difference left by another math library is told at a glance from
a real fault.

Prints one line per difference and finally
'N files byte-identical, N differ, N cases with another exit status'.
Exit status 0 when nothing differs, or always with --report-only (for case
sets where the acceptance comparison, which tolerates a last-digit
difference, is the judge).
"""

import os
import shutil
import subprocess
import sys
import tempfile

STATUS_FILE = '_exit_status'
TIMEOUT_S = 60


def copy_case(case_dir, work):
    for name in os.listdir(case_dir):
        src = os.path.join(case_dir, name)
        dst = os.path.join(work, name)
        if os.path.isdir(src):
            shutil.copytree(src, dst)
        else:
            shutil.copyfile(src, dst)


def differing_fields(want, got):
    """Short descriptions of the comma-separated fields that differ."""
    wlines = want.decode('latin-1').split('\r\n')
    glines = got.decode('latin-1').split('\r\n')
    if len(wlines) != len(glines):
        return ['%d line ends expected, got %d' % (len(wlines) - 1, len(glines) - 1)]
    out = []
    for row, (wl, gl) in enumerate(zip(wlines, glines), start=1):
        wf, gf = wl.split(','), gl.split(',')
        if len(wf) != len(gf):
            out.append('row %d: %r -> %r' % (row, wl, gl))
            continue
        out.extend('row %d field %d: %r -> %r' % (row, col, a, b)
                   for col, (a, b) in enumerate(zip(wf, gf), start=1) if a != b)
    return out


def compare_entry(expected_path, got_path):
    """None when the entry after the run matches, else what differs."""
    if os.path.isdir(expected_path):
        return None if os.path.isdir(got_path) else 'not a folder any more'
    if not os.path.isfile(got_path):
        return 'missing'
    with open(expected_path, 'rb') as fh:
        want = fh.read()
    with open(got_path, 'rb') as fh:
        got = fh.read()
    if want == got:
        return None
    fields = differing_fields(want, got)
    more = ' (+%d more)' % (len(fields) - 3) if len(fields) > 3 else ''
    return ', '.join(fields[:3]) + more


def run_case(program, case_dir, expected_dir):
    """(exit status, expected status, {entry: difference or None}, extra entries)."""
    work = tempfile.mkdtemp(prefix='tqbytes_')
    try:
        copy_case(case_dir, work)
        proc = subprocess.run([program], cwd=work, stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=TIMEOUT_S, check=False)
        with open(os.path.join(expected_dir, STATUS_FILE)) as fh:
            want_status = int(fh.read().strip())
        names = sorted(set(os.listdir(expected_dir)) - {STATUS_FILE})
        entries = {name: compare_entry(os.path.join(expected_dir, name),
                                       os.path.join(work, name)) for name in names}
        extra = sorted(set(os.listdir(work)) - set(names))
        return proc.returncode, want_status, entries, extra
    finally:
        shutil.rmtree(work, ignore_errors=True)


def main(argv):
    report_only = '--report-only' in argv
    args = [a for a in argv[1:] if a != '--report-only']
    if len(args) != 3:
        sys.stderr.write('usage: byte_compare.py [--report-only] PROGRAM CASES_DIR EXPECTED_DIR\n')
        return 2
    program = os.path.abspath(args[0])
    cases_dir, expected_root = args[1], args[2]
    identical = differ = wrong_status = 0
    for case in sorted(os.listdir(cases_dir)):
        case_dir = os.path.join(cases_dir, case)
        expected_dir = os.path.join(expected_root, case)
        if not os.path.isdir(case_dir):
            continue
        if not os.path.isfile(os.path.join(expected_dir, STATUS_FILE)):
            print('%s: no expected outputs' % case)
            wrong_status += 1
            continue
        status, want_status, entries, extra = run_case(program, case_dir, expected_dir)
        if status != want_status:
            wrong_status += 1
            print('%s: exit status %d, expected %d' % (case, status, want_status))
        for name, difference in sorted(entries.items()):
            if difference is None:
                identical += 1
            else:
                differ += 1
                print('%s/%s: %s' % (case, name, difference))
        for name in extra:
            differ += 1
            print('%s/%s: written but not expected' % (case, name))
        sys.stdout.flush()
    print('%d files byte-identical, %d differ, %d cases with another exit status'
          % (identical, differ, wrong_status))
    return 0 if report_only or (differ == 0 and wrong_status == 0) else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv))
