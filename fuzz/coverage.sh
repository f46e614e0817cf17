#!/usr/bin/env bash
# Measures the source coverage that the fuzz corpora reach: builds the
# targets with clang's source coverage under build-fuzz-cov/, runs each once
# over its corpus (build-fuzz/corpus/<target> and the seeds) and prints
# llvm-cov's report for src/. Run fuzz/build.sh and fuzz/run.sh first.
#
# Usage: fuzz/coverage.sh [TARGET...]   (default: all four targets)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
COV="$ROOT/build-fuzz-cov"
source "$ROOT/fuzz/targets.sh"
TARGETS=("${@:-${FUZZ_TARGETS[@]}}")  # those named as arguments, else all

cmake -S "$ROOT/fuzz" -B "$COV" -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQWEIR_FUZZ_COVERAGE=ON >/dev/null
cmake --build "$COV" -j2 >/dev/null
rm -rf "$COV/profiles"
mkdir -p "$COV/profiles"

objects=()
for name in "${TARGETS[@]}"; do
  corpora=("$BUILD/corpus-seed/$name")
  if [ -d "$BUILD/corpus/$name" ]; then corpora+=("$BUILD/corpus/$name"); fi
  LLVM_PROFILE_FILE="$COV/profiles/$name.profraw" \
    "$COV/$name" -runs=0 "${corpora[@]}" >"$COV/profiles/$name.log" 2>&1
  llvm-profdata merge -sparse "$COV/profiles/$name.profraw" -o "$COV/profiles/$name.profdata"
  echo "== $name"
  llvm-cov report "$COV/$name" -instr-profile="$COV/profiles/$name.profdata" \
    "$ROOT/src" | tail -n 1
  objects+=("$COV/$name")
done

llvm-profdata merge -sparse "$COV"/profiles/*.profdata -o "$COV/profiles/all.profdata"
echo "== all targets together, per file of src/"
object_args=("${objects[0]}")
for obj in "${objects[@]:1}"; do object_args+=(-object "$obj"); done
llvm-cov report "${object_args[@]}" -instr-profile="$COV/profiles/all.profdata" "$ROOT/src"
