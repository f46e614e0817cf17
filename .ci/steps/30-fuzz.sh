#!/usr/bin/env bash
# Builds the libFuzzer targets and fuzzes each for a bounded time (readers
# and the run folder 15 s each, the whole run 60 s); any crash, sanitizer
# report, escaped exception, slow input or memory blow-up fails the step.
set -euo pipefail
bash fuzz/build.sh
bash fuzz/run.sh
