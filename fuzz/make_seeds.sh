#!/usr/bin/env bash
# Assembles the seed corpora of the fuzz targets under OUT (default
# build-fuzz/corpus-seed): every case folder of examples/ and
# tests/data/cases/ gives its files to the reader targets and one joined
# input (syogen NUL parameter NUL hitai) to the whole-run target; the
# hand-made inputs and saved findings under fuzz/corpus-seed/<target>/ are
# added as they are (the run-folder target's seeds are all there: the
# files of finished runs, which need the program to make).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
OUT="${1:-$ROOT/build-fuzz/corpus-seed}"
source "$ROOT/fuzz/targets.sh"
TARGETS=("${FUZZ_TARGETS[@]}")

rm -rf "$OUT"
for t in "${TARGETS[@]}"; do mkdir -p "$OUT/$t"; done

# copy_if_present FILE DEST: a case folder may lack a file on purpose.
copy_if_present() {
  if [ -f "$1" ]; then cp "$1" "$2"; fi
}

for dir in "$ROOT"/examples/*/ "$ROOT"/tests/data/cases/*/; do
  [ -d "$dir" ] || continue
  name="$(basename "$(dirname "$dir")")-$(basename "$dir")"
  copy_if_present "$dir/syogen.csv" "$OUT/syogen_reader_fuzz/$name"
  copy_if_present "$dir/parameter.csv" "$OUT/parameter_reader_fuzz/$name"
  copy_if_present "$dir/hitai.csv" "$OUT/profile_reader_fuzz/$name"
  copy_if_present "$dir/loadcases.csv" "$OUT/loadcases_reader_fuzz/$name"
  copy_if_present "$dir/criteria.csv" "$OUT/criteria_reader_fuzz/$name"
  copy_if_present "$dir/operation.csv" "$OUT/operation_file_fuzz/$name"
  copy_if_present "$dir/risk.csv" "$OUT/risk_file_fuzz/$name"
  {
    cat "$dir/syogen.csv" 2>/dev/null || true
    printf '\0'
    cat "$dir/parameter.csv" 2>/dev/null || true
    printf '\0'
    cat "$dir/hitai.csv" 2>/dev/null || true
  } >"$OUT/whole_run_fuzz/$name"
done

for t in "${TARGETS[@]}"; do
  if [ -d "$ROOT/fuzz/corpus-seed/$t" ]; then
    cp "$ROOT/fuzz/corpus-seed/$t"/* "$OUT/$t/" 2>/dev/null || true
  fi
  echo "seeds for $t: $(find "$OUT/$t" -type f | wc -l)"
done
