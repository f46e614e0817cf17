#!/usr/bin/env bash
# Builds the browser edition with Debian's emscripten:
#   BUILD_DIR/tqweir-node.js   the program for node (run it in a case folder)
#   BUILD_DIR/web/             the static page (index.html and its assets)
#   BUILD_DIR/tqweir-libc-check.js, stdio-probe-node.js   for the tests
# Usage: scripts/build-web.sh [BUILD_DIR]   (default build-web)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build-web}"
# Debian's emscripten runs its optimizer with the system's node, which finds
# acorn (package node-acorn) only here.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

emcmake cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTQWEIR_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target tqweir-node tqweir-wasm tqweir-libc-check stdio-probe-node -j2

page="$BUILD/web"
rm -rf "$page"
mkdir -p "$page"
cp src/web/page/* "$page/"
cp "$BUILD/tqweir-wasm.js" "$page/"
# The page opens with the shipped standard example.
python3 - "$page/example-case.js" examples/standard <<'PY'
import json, os, sys
out, folder = sys.argv[1], sys.argv[2]
case = {}
for name in ('syogen.csv', 'parameter.csv', 'hitai.csv'):
    with open(os.path.join(folder, name), encoding='ascii', newline='') as f:
        case[name] = f.read()
with open(out, 'w', encoding='ascii') as f:
    f.write('// The standard example, made by scripts/build-web.sh from examples/standard.\n')
    f.write('window.TQWEIR_EXAMPLE = %s;\n' % json.dumps(case, indent=1))
PY
echo "page: $page ($(du -sb "$page" | cut -f1) bytes)"
