#!/usr/bin/env bash
# Smoke test of tqweir-sweep as a user runs it (its unit and equivalence
# tests run in the suite): a small study of the example on two threads, a
# quiet standard error, the table's shape and CP932 messages, one case
# against the tqweir program, a bad CASES.csv refused, the progress bar on
# a terminal.
set -euo pipefail
root="$(pwd)"
sweep="$root/build/tqweir-sweep"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$sweep" examples/standard --range overflow_mode=1:3:1 --range upstream_level=0:3.5:0.5 \
  -j 2 -o "$work/sweep.csv" >"$work/out" 2>"$work/err"
[ ! -s "$work/err" ] || { echo "standard error not empty:"; cat "$work/err"; exit 1; }
grep -q "^tqweir-sweep: 24 cases, 24 ok, 0 stopped" "$work/out"

mkdir "$work/single"
cp examples/standard/*.csv "$work/single/"
(cd "$work/single" && "$root/build/tqweir")

python3 - "$work/sweep.csv" "$work/single/TQSpec.csv" <<'PY'
import sys
table = open(sys.argv[1], "rb").read()
single = open(sys.argv[2], "rb").read().decode("ascii")
lines = table.split(b"\r\n")
assert lines[-1] == b"" and all(b"\n" not in l for l in lines), "rows must end in CR LF"
rows = [l.split(b",") for l in lines[:-1]]
header = [c.decode("ascii") for c in rows[0]]
assert header[:5] == ["case", "in_overflow_mode", "in_upstream_level_m", "status", "message"], header
assert len(header) == 5 + 27 and header[-1] == "discharge_coefficient", header
assert len(rows) == 25 and all(len(r) == len(header) for r in rows)
for r in rows[1:]:
    assert r[3] == b"ok" and r[4].decode("cp932") == "正常に終了しました", r
# examples/standard is overflow_mode 1 at upstream_level 2.5: case 6.
assert rows[6][1:3] == [b"1", b"2.5"], rows[6]
assert b",".join(rows[6][5:]).decode("ascii") == single, (rows[6], single)
print("sweep table: 24 cases, CR LF, CP932 messages, case 6 equals the tqweir run")
PY

printf 'upstream_level,hd_nd\n1.0,0.3\n2.0,O.3\n' >"$work/bad.csv"
status=0
"$sweep" examples/standard "$work/bad.csv" -o "$work/bad-result.csv" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && [ ! -e "$work/bad-result.csv" ]
grep -q "bad.csv line 3, column 2 (hd_nd): 'O.3' is not a number" "$work/err"

if command -v script >/dev/null; then
  script -qec "'$sweep' examples/standard --range hd_nd=0:1:0.25 -o '$work/tty.csv'" /dev/null \
    >"$work/tty.txt"
  tr '\r' '\n' <"$work/tty.txt" | grep '^\[#*\] 5/5 100%' >/dev/null
  echo "progress bar drawn on a terminal"
fi
echo "sweep smoke test passed"
