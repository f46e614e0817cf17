#!/usr/bin/env bash
# Prints the path of every executable a cross build made: tqweir.exe first,
# then the tools (src/tools/*), whatever their number and names. Leaves out
# CMake's own test programs, the wine prefix and the folders that the checks
# and the release script fill in the build folder.
#
#   list-executables.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: list-executables.sh BUILD_DIR}" && pwd)"
[ -f "$build/tqweir.exe" ] || { echo "no $build/tqweir.exe" >&2; exit 1; }
echo "$build/tqweir.exe"
find "$build" -name '*.exe' -not -path '*/CMakeFiles/*' \
  -not -path "$build/wineprefix/*" -not -path "$build/release/*" \
  -not -path "$build/zip-check/*" -not -path "$build/stdio-probe*" \
  -not -path "$build/tqweir.exe" | LC_ALL=C sort
