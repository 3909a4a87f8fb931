#!/usr/bin/env bash
# The long fuzz run: every target built for RUNS executions (default 1 000 000)
# from its seed corpus, one after the other, each line of the summary giving
# executions, time, speed, corpus size and coverage. Stops at the first
# finding (the input is kept in the build folder as crash-*).
#   tests/fuzz/run.sh [BUILD_FOLDER] [RUNS] [TARGET ...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-fuzz}
runs=${2:-1000000}
shift $(( $# < 2 ? $# : 2 ))
targets=${*:-$(cd "$build" && ls fuzz_* | sed -n 's/^fuzz_\([a-z_]*\)$/\1/p')}
for target in $targets; do
  work=$build/corpus/$target
  mkdir -p "$work"
  log=$build/fuzz_$target.log
  start=$(date +%s)
  (cd "$build" && "./fuzz_$target" -runs="$runs" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      "corpus/$target" "../tests/fuzz/corpus/$target") >"$log" 2>&1 || { tail -40 "$log"; exit 1; }
  secs=$(( $(date +%s) - start ))
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  corpus=$(ls "$work" | wc -l)
  echo "fuzz_$target: $execs executions in ${secs} s ($rate/s), $cov, corpus $corpus, no finding"
done
