#!/usr/bin/env bash
# The test suite, from a bare Debian machine on: installs what the build and
# the tests need when it is missing (.ci/install-deps.sh build tests),
# configures build/ with the tests, builds everything and runs ctest.
# Arguments go to ctest (e.g. -R Membrane).
#
#   scripts/test.sh [CTEST_ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."

bash .ci/install-deps.sh build tests
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQWEIR_BUILD_TESTS=ON
cmake --build build -j2
cd build
ctest --output-on-failure -j2 "$@"
