#!/usr/bin/env bash
# Runs every benchmark: the Google Benchmark programs natively (bench/*.cpp), then the
# Windows timing programs (bench/win32/, our engine against GDI) under Wine.
# NATIVE_DIR=<folder> and WINDOWS_DIR=<folder> build there instead of the "bench" and
# "windows-bench" presets' build/bench and build/windows-bench.
set -euo pipefail
cd "$(dirname "$0")/.."

configure() {  # configure <preset> <folder override or empty>
  if [ -n "$2" ]; then
    cmake --preset "$1" -B "$2" >/dev/null
  else
    cmake --preset "$1" >/dev/null
  fi
}

native=${NATIVE_DIR:-build/bench}
windows=${WINDOWS_DIR:-build/windows-bench}

echo "== native benchmarks"
configure bench "${NATIVE_DIR:-}"
cmake --build "$native" -j2
for program in "$native"/bench/*_bench; do
  "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done

echo "== Windows timings under Wine"
configure windows-bench "${WINDOWS_DIR:-}"
cmake --build "$windows" -j2
source scripts/wine-env.sh
wine_env_start
trap wine_env_stop EXIT
out=$(mktemp)
for program in "$windows"/bench/win32/*.exe; do
  # Wine starts much faster writing to a file than to a pipe.
  echo "-- $(basename "$program")"
  wine "$program" >"$out" 2>&1 || echo "(exit status $?)" >>"$out"
  cat "$out"
done
rm -f "$out"
