#!/usr/bin/env bash
# Builds tqweir if needed, runs it on an example case in a copy of the case
# folder (build/examples/NAME, so the repository stays clean) and shows the
# message log and the summary with each field named. On a Debian machine
# it first installs what of the packages it needs is missing (cmake, g++,
# make, Boost's headers, python3; not GoogleTest, which only the tests need).
#
#   examples/run.sh [NAME]      NAME: a folder under examples/ (default: standard)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1:-standard}"
case_dir="$root/examples/$name"
[ -f "$case_dir/syogen.csv" ] || { echo "no example named '$name' under examples/" >&2; exit 2; }

# The packages, not the commands: a machine may have the compiler and
# cmake but lack a library the build needs (Boost's headers). The script
# asks dpkg and installs only what is missing.
bash "$root/.ci/install-deps.sh" build examples

if [ ! -x "$root/build/tqweir" ]; then
  # Without GoogleTest the tests are left out of the build folder;
  # scripts/test.sh turns them on again.
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null 2>&1 ||
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTQWEIR_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$root/build" -j2 --target tqweir >/dev/null

work="$root/build/examples/$name"
rm -rf "$work"
mkdir -p "$work"
cp "$case_dir"/*.csv "$work"/
status=0
(cd "$work" && "$root/build/tqweir") || status=$?
python3 "$root/examples/show_summary.py" "$work"
echo "exit status $status; all output files are in $work"
exit "$status"
