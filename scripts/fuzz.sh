#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a bounded time, starting from the seeds
# in fuzz/corpus/<target>. Inputs found on the way are kept in <build>/corpus/<target>, so a
# later run goes on from there; a crashing input is written to <build>/findings/.
#
#   scripts/fuzz.sh                       every target for 20 s
#   scripts/fuzz.sh 600                   every target for 10 minutes (the long run)
#   scripts/fuzz.sh 600 region_fuzzer     one target
#   FUZZ_BUILD_DIR=build-x scripts/fuzz.sh  another build folder (default build/fuzz)
#
# Exits non-zero when any target finds a crash, a sanitizer report, a leak or a timeout.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(tokenizer_fuzzer skin_fuzzer profile_fuzzer date_format_fuzzer region_fuzzer
           shape_region_fuzzer analog_region_fuzzer)
fi
build=${FUZZ_BUILD_DIR:-build/fuzz}

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target fuzzers -j2

mkdir -p "$build/findings" "$build/logs"
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  log="$build/logs/$t.log"
  # -timeout: one input taking this long is a finding. It is wall-clock time, so it allows
  # for a busy machine; the slowest inputs known take under 3 s of CPU with the sanitizers.
  if "$build/fuzz/$t" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -max_len=4096 \
       -print_final_stats=1 -artifact_prefix="$build/findings/$t-" \
       "$build/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz: $t ok, ${runs:-?} inputs in ${seconds} s"
  else
    echo "fuzz: $t FAILED; the end of $log:" >&2
    tail -n 40 "$log" >&2
    failed+=("$t")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
