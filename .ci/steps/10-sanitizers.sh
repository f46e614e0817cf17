#!/usr/bin/env bash
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
#
# Two tests are left to the suite's own build: verify_reports_a_stopped_case
# and verify_check_fails_on_a_doctored_document test the verification
# script's verdicts, and each runs every problem of the manual (the weir's
# routes, the risk's 100,000 crude Monte Carlo years), which in this
# unoptimised build took 12 minutes each. The engines those problems call
# (flood, weir, risk) run under the sanitizers here through their own tests.
set -euo pipefail
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTQWEIR_SANITIZE=ON
cmake --build build-asan -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j2 \
  -E '^(verify_reports_a_stopped_case|verify_check_fails_on_a_doctored_document)$')
