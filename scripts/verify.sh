#!/usr/bin/env bash
# The verification manual: builds tqweir-verify, runs every problem and
# writes docs/verification.md. Exit status 1 when a problem is NOOK.
#
#   scripts/verify.sh           writes docs/verification.md
#   scripts/verify.sh --check   also fails when the committed document
#                               differs from the one written now (CI)
set -euo pipefail
cd "$(dirname "$0")/.."
check=0
[ "${1:-}" = "--check" ] && check=1

if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j2 --target tqweir-verify >/dev/null

# The examples and the stored cases that finish. ok_anchor_negative_L3 is
# left out: see the self-checks' notes in the document.
cases=(examples/standard examples/overflow_model2 examples/overflow_model3)
for dir in tests/data/cases/ok_* tests/data/cases/*_ok; do
  case "$dir" in *ok_anchor_negative_L3) continue ;; esac
  cases+=("$dir")
done

out="$(mktemp)"
trap 'rm -f "$out"' EXIT
status=0
build/tqweir-verify "${cases[@]}" | python3 scripts/verify/make_document.py "$out" || status=$?
if [ "$check" = 1 ] && ! diff -u docs/verification.md "$out" >/dev/null; then
  diff -u docs/verification.md "$out" | head -40 >&2 || true
  echo "docs/verification.md differs from what scripts/verify.sh writes: run it and commit" >&2
  status=1
fi
[ "$check" = 1 ] || cp "$out" docs/verification.md
exit "$status"
