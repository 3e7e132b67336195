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

# A cycle of 32 plates: a valid one of each year, each year's plate decoded
# from the warranty number alone, and failures of every kind (codes the
# decoder rejects, missing fields, over-long fields, unknown years, a bad
# flag). A stock number column is carried through.
generate() {
  awk -v n="$1" 'BEGIN {
    OFS = ","
    p[0]  = "1964,5F07K100001,65A,A,42,12C,11,1,1,0"
    p[1]  = "1965,5R09A200000,63A,M,F5,28K,71,8,5,0"
    p[2]  = "1966,6F07C100001,65A,M,26,15K,22,8,1,0"
    p[3]  = "1967,7F01C100001,65A,M,2A,15K,22,1,W,0"
    p[4]  = "1968,8F02J100001,63A,X,6A,15K,33,8,V,0"
    p[5]  = "1969,9F02M100001,63A,T,3A,15K,33,R,W,0"
    p[6]  = "1970,0F05G100001,63A,U,3A,,33,V,5,0"
    p[7]  = "1964-1/2,5t08d000001,,,,,,,,yes"
    p[8]  = "1965,5F09K000001,,,,,,,,1"
    p[9]  = "1966,6F07C100001,,,,,,,,true"
    p[10] = "1967,7F01C100001,,,,,,,,1"
    p[11] = "1968,8F02J100001,,,,,,,,1"
    p[12] = "1969,9F02M100001,,,,,,,,1"
    p[13] = "1970,0F05G100001,,,,,,,,1"
    p[14] = "1965,5R09A200000,63A,?,F5,28K,71,8,5,0"
    p[15] = "1966,6F07C10000X,65A,M,26,15K,22,8,1,0"
    p[16] = "1967,7F01C100001,65A,M,2A,15K,16,1,W,0"
    p[17] = "1968,8F02J100001,63A,X,6A,32K,33,8,V,0"
    p[18] = "1969,9Q02M100001,63A,T,3A,15K,33,R,W,0"
    p[19] = "1970,0F05G100001,65A,U,3A,,33,V,5,0"
    p[20] = "1964,5F07K100001,,A,42,12C,11,1,1,0"
    p[21] = "1967,7F01C100001,65A,M,2A,,22,1,W,0"
    p[22] = "1969,,63A,T,3A,15K,33,R,W,0"
    p[23] = "1966,6F07C100001,65AB,M,26,15K,22,8,1,0"
    p[24] = "1968,8F02J1000012,63A,X,6A,15K,33,8,V,0"
    p[25] = "1971,1F02J100001,63A,X,6A,15K,33,8,V,0"
    p[26] = "1965,5R09A200000,63A,M,F5,28K,71,8,5,maybe"
    p[27] = "1965,5r09a200000,63a,m,f5,28k,71,8,5,"
    p[28] = "1966,6F07C100001,65A,M,26,15K,22,8,1,no"
    p[29] = "1967,7F01C100001,65A,M,2A,15K,22,1,W,false"
    p[30] = "1968,8F02J100001,63A,X,6A,15K,33,8,V,0"
    p[31] = "1969,9F02M100001,63A,T,3A,15K,33,R,W,0"
    print "stock,year,warranty,body,color,trim,date,dso,axle,trans,warranty_only"
    for (i = 0; i < n; i++) print i + 1, p[i % 32]
  }' >"$2"
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
  run "csv -> jsonl, to /dev/null" "$rows" /dev/null "$tool" --batch "$input" --format jsonl
  run "csv -> csv, to /dev/null" "$rows" /dev/null "$tool" --batch "$input" --format csv
  # Into a file as well: the filesystem's share of the time, and a check
  # that every row gave exactly one record. Skipped for the largest files,
  # whose output runs to gigabytes.
  if ((rows <= ${FILE_ROWS_MAX:-1000000})); then
    REPEAT=1 run "csv -> jsonl, to a file" "$rows" "$work/out.jsonl" "$tool" --batch "$input" --format jsonl
    REPEAT=1 run "csv -> csv, to a file" "$rows" "$work/out.csv" "$tool" --batch "$input" --format csv
    records=$(wc -l <"$work/out.jsonl")
    [[ $records -eq $rows ]] || { echo "jsonl holds $records records for $rows rows" >&2; exit 1; }
    rm -f "$work/out.jsonl" "$work/out.csv"
  fi
  rm -f "$input"
done
