#!/usr/bin/env bash
# Builds the libFuzzer targets with clang++ (address and undefined-behaviour
# sanitizers) under build-fuzz/ and assembles their seed corpora.
# Needs Debian's clang and libclang-rt-14-dev (.ci/packages/fuzz.txt).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
CXX_FUZZ="${CXX_FUZZ:-clang++}"

if ! command -v "$CXX_FUZZ" >/dev/null; then
  echo "fuzz/build.sh: $CXX_FUZZ not found (apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi
cmake -S "$ROOT/fuzz" -B "$BUILD" -DCMAKE_CXX_COMPILER="$CXX_FUZZ" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" -j2
bash "$ROOT/fuzz/make_seeds.sh" "$BUILD/corpus-seed"
