#!/usr/bin/env bash
# Throughput and peak memory of tarnwick-decode --batch on generated files of
# valid and failing plates of every year, CSV to JSON Lines and CSV to CSV,
# beside the time `wc -l` takes on the same file.
#
#   bench/cli_throughput.sh [ROWS...]      (default: 1000000 10000000)
#
# BUILD_DIR (default build/cli) holds the Release build; WORK_DIR (default a
# fresh temporary folder, removed afterwards) holds the generated files.
# Targets: at least 2,000,000 rows/s, at most 16 MB peak resident memory.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build/cli}
tool=$build/cli/tarnwick-decode
[[ -x $tool ]] || { echo "build $tool first (cmake --build $build --target tarnwick-decode)" >&2; exit 2; }
if [[ -n ${WORK_DIR:-} ]]; then
  work=$WORK_DIR
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
rows_list=("$@")
((${#rows_list[@]})) || rows_list=(1000000 10000000)

# Valid and failing plates of every year, numbered in a stock column.
generate() {
  awk -v n="$1" -f bench/generate_plates.awk >"$2"
}

now_ns() { date +%s%N; }

# run LABEL ROWS OUTFILE COMMAND...: wall time, rows/s and peak RSS of the
# best of $REPEAT runs (the machine is shared; the best run shows the tool).
run() {
  local label=$1 rows=$2 out=$3
  shift 3
  local best_ns=0 rss_kb=0 status=0 start end ns kb
  for ((i = 0; i < ${REPEAT:-3}; i++)); do
    status=0
    start=$(now_ns)
    /usr/bin/time -v -o "$work/time.txt" "$@" >"$out" || status=$?
    end=$(now_ns)
    ns=$((end - start))
    kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    ((best_ns == 0 || ns < best_ns)) && best_ns=$ns
    ((kb > rss_kb)) && rss_kb=$kb
  done
  awk -v label="$label" -v rows="$rows" -v ns="$best_ns" -v kb="$rss_kb" -v st="$status" 'BEGIN {
    s = ns / 1e9
    printf "%-34s %8.3f s  %12.0f rows/s  peak RSS %6.1f MB  exit %d\n", label, s, rows / s, kb / 1024, st
  }'
}

for rows in "${rows_list[@]}"; do
  input=$work/plates_$rows.csv
  generate "$rows" "$input"
  echo "== $rows rows, $(du -h "$input" | cut -f1) of CSV (best of ${REPEAT:-3} runs)"
  run "wc -l" "$rows" /dev/null wc -l "$input"
  run "csv -> jsonl, to /dev/null" "$rows" /dev/null "$tool" --batch "$input" --format jsonl -q
  run "csv -> csv, to /dev/null" "$rows" /dev/null "$tool" --batch "$input" --format csv -q
  # Into a file as well: the filesystem's share of the time, and a check
  # that every row gave exactly one record. Skipped for the largest files,
  # whose output runs to gigabytes.
  if ((rows <= ${FILE_ROWS_MAX:-1000000})); then
    REPEAT=1 run "csv -> jsonl, to a file" "$rows" "$work/out.jsonl" "$tool" --batch "$input" --format jsonl -q
    REPEAT=1 run "csv -> csv, to a file" "$rows" "$work/out.csv" "$tool" --batch "$input" --format csv -q
    records=$(wc -l <"$work/out.jsonl")
    [[ $records -eq $rows ]] || { echo "jsonl holds $records records for $rows rows" >&2; exit 1; }
    rm -f "$work/out.jsonl" "$work/out.csv"
  fi
  rm -f "$input"
done
