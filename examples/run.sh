#!/usr/bin/env bash
# Builds tqweir if needed, runs it on an example case in a copy of the case
# folder (build/examples/NAME, so the repository stays clean) and shows the
# message log and the summary with each field named.
#
#   examples/run.sh [NAME]      NAME: a folder under examples/ (default: standard)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="${1:-standard}"
case_dir="$root/examples/$name"
[ -f "$case_dir/syogen.csv" ] || { echo "no example named '$name' under examples/" >&2; exit 2; }

if [ ! -x "$root/build/tqweir" ]; then
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
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
