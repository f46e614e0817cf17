#!/usr/bin/env bash
# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTQWEIR_SANITIZE=ON
cmake --build build-asan -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j2)
