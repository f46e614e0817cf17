#!/usr/bin/env bash
# Browser edition: the WebAssembly build with emscripten; its math functions
# and sscanf against glibc's (node), the C runtime probe against the native
# one; tqweir-node.js on the case sets with the case
# comparisons; the page in headless Chromium (every case through
# window.tqweir.solve, the form, the downloads, the drawing against
# tqweir-plot's, the design desk against tqweir-report and tqweir-seek, no
# network request, size and the times of a solve and draw, an edit of a
# design, the report tab and a seek).
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=build-web
step_start=$SECONDS
lap=$SECONDS
lap() {
  echo "-- $1: $((SECONDS - lap)) s"
  lap=$SECONDS
}

scripts/build-web.sh "$BUILD"
lap "emscripten build"

g++ -O2 tests/platform/web/glibc_table.cc -o "$BUILD/glibc-table" -lquadmath
"$BUILD/glibc-table" >"$BUILD/glibc-table.bin"
g++ -O2 tests/platform/web/glibc_scan_table.cc -o "$BUILD/glibc-scan-table"
"$BUILD/glibc-scan-table" >"$BUILD/glibc-scan-table.bin"
TQWEIR_WEB_BUILD="$BUILD" node --test tests/platform/web/
# Number formatting and the readers' number syntax, as the Windows step
# checks them for MinGW-w64.
cmake -S tests/platform/stdio_probe -B "$BUILD/stdio-probe-linux" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD/stdio-probe-linux" --target stdio_probe -j2 >/dev/null
"$BUILD/stdio-probe-linux/stdio_probe" >"$BUILD/stdio-probe-linux.txt"
node "$BUILD/stdio-probe-node.js" >"$BUILD/stdio-probe-web.txt"
if ! diff -u "$BUILD/stdio-probe-linux.txt" "$BUILD/stdio-probe-web.txt"; then
  echo "the web build formats or reads numbers otherwise than glibc (above: - Linux, + web)" >&2
  exit 1
fi
echo "C runtime probe: $(wc -l <"$BUILD/stdio-probe-linux.txt") lines identical natively and in the web build"
lap "math functions, sscanf and the C runtime probe against glibc"

# The desk's calls (the page's scripts over its module) in node.
TQWEIR_WEB_BUILD="$BUILD" node --test tests/web/
lap "the desk's calls in node"

export TQWEIR_WEB_BUILD="$PWD/$BUILD"
echo "stored cases (tests/data) through tqweir-node.js:"
python3 scripts/windows/byte_compare.py scripts/web/tqweir-node.sh tests/data/cases tests/data/expected
sets=(tests/data/cases:tests/data/expected)
ACC="../shared/acceptance"
if [ -f "$ACC/compare.py" ]; then
  for set in cases:expected robust-cases:robust-expected; do
    echo "acceptance $set through tqweir-node.js:"
    python3 "$ACC/compare.py" scripts/web/tqweir-node.sh "$ACC/${set%%:*}" "$ACC/${set##*:}"
    python3 scripts/windows/byte_compare.py scripts/web/tqweir-node.sh \
      "$ACC/${set%%:*}" "$ACC/${set##*:}"
    sets+=("$ACC/${set%%:*}:$ACC/${set##*:}")
  done
else
  echo "no $ACC here: the stored cases stand for the acceptance cases"
fi
lap "tqweir-node.js on the cases"

program="node $PWD/$BUILD/tqweir-node.js"
[ -x build/tqweir ] && program="$PWD/build/tqweir"
# The page's drawing against the native tqweir-plot, where the native build
# (the README's test command) has made it.
# The desk's checks, report, "solve for" and operation tab against the native
# tqweir-report, tqweir-seek and tqweir-operate, likewise.
native=()
[ -x build/tqweir-plot ] && native+=(--plot "$PWD/build/tqweir-plot")
[ -x build/tqweir-report ] && native+=(--report "$PWD/build/tqweir-report")
[ -x build/tqweir-seek ] && native+=(--seek "$PWD/build/tqweir-seek")
[ -x build/tqweir-operate ] && native+=(--operate "$PWD/build/tqweir-operate")
/usr/bin/python3 tests/web/browser_test.py --web "$BUILD/web" --program "$program" "${native[@]}" \
  "${sets[@]}"
lap "page in headless Chromium"
echo "-- web step: $((SECONDS - step_start)) s in all"
