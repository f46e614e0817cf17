#!/usr/bin/env bash
# Builds the C runtime probe (tests/platform/stdio_probe) for Linux and, with
# the MinGW-w64 toolchain, for Windows, runs both (the Windows one under
# wine) and requires the same output, byte for byte: number formatting and
# the readers' number syntax agree between the two C runtimes.
#
#   check-stdio.sh WIN_BUILD_DIR      (wine-env.sh already sourced)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
win_build="${1:?usage: check-stdio.sh WIN_BUILD_DIR}"
probe_src="$root/tests/platform/stdio_probe"
linux_dir="$win_build/stdio-probe-linux"
windows_dir="$win_build/stdio-probe-windows"

cmake -S "$probe_src" -B "$linux_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$linux_dir" -j2 --target stdio_probe >/dev/null
cmake -S "$probe_src" -B "$windows_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$windows_dir" -j2 --target stdio_probe >/dev/null

"$linux_dir/stdio_probe" >"$win_build/stdio-probe-linux.txt"
# The console stream is in text mode on Windows: its line ends are CR LF.
"$WINE" "$windows_dir/stdio_probe.exe" | tr -d '\r' >"$win_build/stdio-probe-windows.txt"
if ! diff -u "$win_build/stdio-probe-linux.txt" "$win_build/stdio-probe-windows.txt"; then
  echo "the C runtimes format or read numbers differently (above: - Linux, + Windows)" >&2
  exit 1
fi
echo "C runtime probe: $(wc -l <"$win_build/stdio-probe-linux.txt") lines identical on Linux and Windows"
