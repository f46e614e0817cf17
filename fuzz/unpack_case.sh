#!/usr/bin/env bash
# Turns an input of whole_run_fuzz into a case folder for the real program:
# the parts before the first NUL, between the first two NULs and after the
# second become syogen.csv, parameter.csv and hitai.csv in DIR.
#
# Usage: fuzz/unpack_case.sh INPUT DIR      then: (cd DIR && build/tqweir)
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 INPUT DIR" >&2; exit 2; }
mkdir -p "$2"
# Part N (1-based) of the NUL-separated input, without its separator.
part() {
  awk -v n="$1" 'BEGIN { RS = "\0"; ORS = "" } NR == n { print; exit }' "$2"
}
part 1 "$1" >"$2/syogen.csv"
part 2 "$1" >"$2/parameter.csv"
part 3 "$1" >"$2/hitai.csv"
