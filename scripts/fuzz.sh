#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time:
#   scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzzing skipped"
  exit 0
fi

cmake --preset fuzz
cmake --build --preset fuzz

for target in build/fuzz/fuzz/fuzz_*; do
  name=$(basename "$target")
  kind=${name#fuzz_}
  work=build/fuzz/corpus-$kind
  mkdir -p "$work" build/fuzz/artifacts
  echo "== $name: ${seconds}s"
  log=build/fuzz/$name.log
  status=0
  "$target" -max_total_time="$seconds" -print_final_stats=1 -dict="fuzz/$kind.dict" \
    -artifact_prefix=build/fuzz/artifacts/"$name"- "$work" "fuzz/corpus/$kind" >"$log" 2>&1 || status=$?
  grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
  if [[ $status -ne 0 ]]; then
    tail -n 60 "$log"
    echo "$name failed (status $status): the input is in build/fuzz/artifacts/"
    exit 1
  fi
done
