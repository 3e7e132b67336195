#!/usr/bin/env bash
# Load test of tarnwick-decode --batch (a script, not a test):
#   - ROWS rows (default 10,000,000) to JSON Lines and to CSV: exactly one
#     record per row, in input order (row numbers and the carried stock
#     column checked 1, 2, 3 …), with the peak resident memory of the tool;
#   - a reader that closes the pipe early ends the run quietly with status 0;
#     an output that fails ends it with status 2 and a message.
#
#   bench/batch_load.sh [ROWS]
# BUILD_DIR (default build/cli) holds the Release build.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build/cli}
tool=$build/cli/tarnwick-decode
[[ -x $tool ]] || { echo "build $tool first (cmake --build $build --target tarnwick-decode)" >&2; exit 2; }
rows=${1:-10000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

peak_mb() { awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$1"; }

awk -v n="$rows" -f bench/generate_plates.awk >"$work/in.csv"
echo "== $rows rows, $(du -h "$work/in.csv" | cut -f1) of CSV"

# JSON Lines: "row" is the first key of every record.
start=$(date +%s.%N)
set +e
/usr/bin/time -v -o "$work/time.txt" "$tool" --batch "$work/in.csv" --format jsonl -q |
  awk -F'[:,]' '$2 != NR { bad = NR; exit 1 } END { if (!bad) print NR }' >"$work/count.txt"
statuses=("${PIPESTATUS[@]}")
set -e
end=$(date +%s.%N)
[[ ${statuses[0]} -eq 1 ]] || fail "jsonl: status ${statuses[0]}, expected 1 (the file holds failing plates)"
[[ ${statuses[1]} -eq 0 ]] || fail "jsonl: row numbers out of sequence"
[[ $(cat "$work/count.txt") == "$rows" ]] || fail "jsonl: $(cat "$work/count.txt") records for $rows rows"
printf 'csv -> jsonl: %s records in sequence, %.2f s, peak RSS %s MB\n' \
  "$(cat "$work/count.txt")" "$(echo "$end - $start" | bc)" "$(peak_mb "$work/time.txt")"

# CSV: records may span lines (messages hold line breaks), so count them
# with a real CSV reader and check the carried stock column.
start=$(date +%s.%N)
set +e
/usr/bin/time -v -o "$work/time.txt" "$tool" --batch "$work/in.csv" --format csv -q |
  python3 -c '
import csv, sys
reader = csv.reader(sys.stdin, strict=True)
header = next(reader)
row = header.index("row")
count = 0
for count, record in enumerate(reader, 1):
    if record[0] != str(count) or record[row] != str(count) or len(record) != len(header):
        sys.exit(f"stock {record[0]} in record {count}")
print(count)' >"$work/count.txt"
statuses=("${PIPESTATUS[@]}")
set -e
end=$(date +%s.%N)
[[ ${statuses[0]} -eq 1 ]] || fail "csv: status ${statuses[0]}, expected 1"
[[ ${statuses[1]} -eq 0 ]] || fail "csv: records out of order"
[[ $(cat "$work/count.txt") == "$rows" ]] || fail "csv: $(cat "$work/count.txt") records for $rows rows"
printf 'csv -> csv:   %s records in order, %.2f s, peak RSS %s MB\n' \
  "$(cat "$work/count.txt")" "$(echo "$end - $start" | bc)" "$(peak_mb "$work/time.txt")"

# A reader that stops after five records.
set +e
"$tool" --batch "$work/in.csv" --format jsonl 2>"$work/err.txt" | head -n 5 >/dev/null
status=${PIPESTATUS[0]}
set -e
[[ $status -eq 0 ]] || fail "closed pipe: status $status, expected 0"
[[ ! -s $work/err.txt ]] || fail "closed pipe: a message: $(head -c 200 "$work/err.txt")"
echo "closed pipe:  status $status, no message"

# An output that fails.
set +e
"$tool" --batch "$work/in.csv" --format csv --output /dev/full 2>"$work/err.txt"
status=$?
set -e
[[ $status -eq 2 ]] || fail "full disk: status $status, expected 2"
[[ -s $work/err.txt ]] || fail "full disk: no message"
echo "full disk:    status $status, message: $(head -c 200 "$work/err.txt")"

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all checks passed"
