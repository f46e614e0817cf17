#!/usr/bin/env bash
# The verification manual (scripts/verify.sh): every problem must be OK and
# the committed docs/verification.md must be what the script writes now.
# A few seconds.
set -euo pipefail
bash scripts/verify.sh --check
