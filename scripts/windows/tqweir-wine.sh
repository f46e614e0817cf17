#!/usr/bin/env bash
# Runs the Windows build's tqweir.exe under wine in the working directory,
# with the arguments given, and exits with its exit status: a stand-in for
# the Linux binary wherever a program path is wanted (the case comparisons).
#
#   TQWEIR_WIN_BUILD=DIR (default: build-win beside this checkout's root)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/windows/wine-env.sh" "${TQWEIR_WIN_BUILD:-$root/build-win}"
exec "$WINE" "$tqweir_win_build/tqweir.exe" "$@"
