#!/usr/bin/env bash
# The shared acceptance cases, when the shared folder is beside the checkout.
set -euo pipefail
ACC="../shared/acceptance"
if [ ! -f "$ACC/compare.py" ]; then
  echo "no $ACC here: skipped (the suite holds copies of its cases)"
  exit 0
fi
python3 "$ACC/compare.py" build/tqweir "$ACC/cases" "$ACC/expected"
python3 "$ACC/compare.py" build/tqweir "$ACC/robust-cases" "$ACC/robust-expected"
python3 "$ACC/compare.py" build-asan/tqweir "$ACC/cases" "$ACC/expected"
