#!/usr/bin/env bash
# Builds the browser edition with Debian's emscripten:
#   BUILD_DIR/tqweir-node.js   the program for node (run it in a case folder)
#   BUILD_DIR/web/             the static page (index.html and its assets)
#   BUILD_DIR/tqweir-math-check.js   the math functions alone, for the tests
# Usage: scripts/build-web.sh [BUILD_DIR]   (default build-web)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build-web}"
# Debian's emscripten runs its optimizer with the system's node, which finds
# acorn (package node-acorn) only here.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

emcmake cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DTQWEIR_BUILD_TESTS=OFF >/dev/null
cmake --build "$BUILD" --target tqweir-node tqweir-wasm tqweir-math-check -j2

page="$BUILD/web"
rm -rf "$page"
mkdir -p "$page"
cp src/web/page/* "$page/"
cp "$BUILD/tqweir-wasm.js" "$page/"
echo "page: $page ($(du -sb "$page" | cut -f1) bytes)"
