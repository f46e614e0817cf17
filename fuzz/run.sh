#!/usr/bin/env bash
# Runs every fuzz target built by fuzz/build.sh for a bounded time, one at a
# time, and fails when any of them finds something: a crash, a sanitizer
# report, an escaped exception, a failed check, an input slower than
# FUZZ_TIMEOUT seconds or a process above FUZZ_RSS_MB of memory.
#
# Usage: fuzz/run.sh [TARGET...]        (default: every target of targets.sh)
# Environment: FUZZ_READER_SECONDS (15), FUZZ_RUN_SECONDS (60),
#   FUZZ_TIMEOUT (10), FUZZ_RSS_MB (2048), FUZZ_MAX_LEN (16384),
#   FUZZ_SEED (random when unset).
# The growing corpus stays in build-fuzz/corpus/<target> between runs;
# findings land in build-fuzz/artifacts/<target>/, logs in build-fuzz/logs/.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build-fuzz"
READER_SECONDS="${FUZZ_READER_SECONDS:-15}"
RUN_SECONDS="${FUZZ_RUN_SECONDS:-60}"

source "$ROOT/fuzz/targets.sh"
TARGETS=("${@:-${FUZZ_TARGETS[@]}}")  # those named as arguments, else all

# run_target NAME SECONDS: fuzzes one target; returns libFuzzer's status.
run_target() {
  local name="$1" seconds="$2"
  local corpus="$BUILD/corpus/$name" artifacts="$BUILD/artifacts/$name/"
  local log="$BUILD/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$BUILD/logs"
  local seed_args=()
  if [ -n "${FUZZ_SEED:-}" ]; then seed_args=(-seed="$FUZZ_SEED"); fi
  ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" \
  UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    "$BUILD/$name" "$corpus" "$BUILD/corpus-seed/$name" \
    -dict="$ROOT/fuzz/csv_numbers.dict" \
    -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" \
    -rss_limit_mb="${FUZZ_RSS_MB:-2048}" -max_len="${FUZZ_MAX_LEN:-16384}" \
    -artifact_prefix="$artifacts" -print_final_stats=1 "${seed_args[@]}" \
    >"$log" 2>&1
}

# summary NAME: the last status line and the execution count of a log.
summary() {
  local log="$BUILD/logs/$1.log"
  local last runs
  last="$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)"
  runs="$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}' || true)"
  echo "$1: ${runs:-?} executions; last: ${last:-none}"
}

failed=()
for name in "${TARGETS[@]}"; do
  if [ ! -x "$BUILD/$name" ]; then
    echo "$name: not built (run fuzz/build.sh first)" >&2
    exit 2
  fi
  seconds="$READER_SECONDS"
  [ "$name" = whole_run_fuzz ] && seconds="$RUN_SECONDS"
  [ "$name" = range_spec_fuzz ] && seconds="${FUZZ_RANGE_SECONDS:-15}"
  echo "-- $name for ${seconds}s"
  if run_target "$name" "$seconds"; then
    summary "$name"
  else
    status=$?
    summary "$name"
    echo "$name: FINDING (libFuzzer status $status); log $BUILD/logs/$name.log" >&2
    grep -E 'ERROR|runtime error|fuzz check failed|Test unit written|terminate called|timeout' \
      "$BUILD/logs/$name.log" | head -n 20 >&2 || true
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "fuzzing: no findings in ${#TARGETS[@]} targets"
