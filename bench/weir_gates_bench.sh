#!/bin/sh
# A weir of 6 gates against one: examples/design_flood's flood through one
# gate, then through 6 gates over a pond 6 times as large with 6 times the
# inflow (the same level, each gate the one gate's), then the K-failed
# table of the 6 gates (K = 0 to 6 both ways, the choices by position).
# Usage: bench/weir_gates_bench.sh BUILD_DIR [RUNS]
set -eu
build=$1
runs=${2:-3}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/examples/design_flood" "$work/weir"
sed -i 's/^pond_area,200000/pond_area,1200000\ngates,6\nblowers,2/' "$work/weir/operation.csv"
awk -F, 'NR == 1 { print; next } { printf "%s,%.10g\n", $1, $2 * 6 }' \
  "$here/examples/design_flood/design_flood.csv" > "$work/flood6.csv"
one="$here/examples/design_flood"
for r in $(seq "$runs"); do
  /usr/bin/time -f "one gate: %U s user, %e s wall" \
    "$build/tqweir-operate" "$one" --flood "$one/design_flood.csv" > /dev/null
  /usr/bin/time -f "6 gates: %U s user, %e s wall" \
    "$build/tqweir-operate" "$work/weir" --flood "$work/flood6.csv" > "$work/six.txt" || true
  /usr/bin/time -f "K-failed table, 6 gates: %U s user, %e s wall" \
    "$build/tqweir-operate" "$work/weir" --flood "$work/flood6.csv" --fail-count 6 > "$work/table.txt" || true
done
grep -E "peak level|steps" "$work/six.txt"
grep -E "failed, with|failed, without" "$work/table.txt"
