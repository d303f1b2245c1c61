#!/usr/bin/env bash
# Large record files: the record manager's full read, 指定讀取 of the last record, a delete, and
# the record-load panel's read, on 60,000, 600,000 and 1,000,000 records; then brevmark-batch
# printing 10 labels (the --filter keeps the last ten records) of 1,000,000 records into a PDF.
#
# usage: bench/large_records.sh BUILD_FOLDER [RUNS] [COUNTS...]
#   BUILD_FOLDER  holds bench/bench_large_records and src/app/brevmark-batch
#   RUNS          runs of each operation (default 5); the median is reported
#   COUNTS        record counts (default 60000 600000 1000000)
#
# Every run is a process of its own, so that its peak memory (VmHWM; for brevmark-batch the
# maximum resident size from /usr/bin/time) is that operation's: it includes the process's own
# start (Qt, the settings) and, for the delete, the 指定讀取 that finds the record. The times are
# the operation alone, read from a warm page cache (each file is read once before the runs). The
# delete works on a fresh copy of the file each run and is checked: one line fewer afterwards.
set -euo pipefail

build=$(cd "$1" && pwd)
runs=${2:-5}
shift $(( $# >= 2 ? 2 : 1 ))
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(60000 600000 1000000)
here=$(cd "$(dirname "$0")" && pwd)
bench="$build/bench/bench_large_records"
batch="$build/src/app/brevmark-batch"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

printf '%-10s %9s %10s %8s %12s\n' operation records "median ms" listed "peak MB"
for count in "${counts[@]}"; do
  data="$work/data-$count"
  python3 "$here/large_records_data.py" "$data" "$count"
  records="$data/記錄資料"
  cat "$records/條碼檔.zip" > /dev/null
  cp "$records/條碼檔.zip" "$work/original.zip"
  for op in read specified delete loadpanel; do
    times=(); mems=(); listed=0
    for ((r = 0; r < runs; r++)); do
      [ "$op" = delete ] && cp "$work/original.zip" "$records/條碼檔.zip"
      read -r _ ms listed mb < <(QT_QPA_PLATFORM=offscreen "$bench" "$op" "$records")
      times+=("$ms"); mems+=("$mb")
      if [ "$op" = delete ]; then
        lines=$(wc -l < "$records/條碼檔.zip")
        [ "$lines" -eq $((count - 1)) ] || { echo "delete left $lines lines" >&2; exit 1; }
      fi
    done
    cp "$work/original.zip" "$records/條碼檔.zip"
    printf '%-10s %9d %10s %8s %12s\n' "$op" "$count" \
      "$(printf '%s\n' "${times[@]}" | median)" "$listed" "$(printf '%s\n' "${mems[@]}" | median)"
  done
done

# brevmark-batch: ten labels out of the largest file (the last ten barcodes).
count=${counts[-1]}
data="$work/data-$count"
last=$((1000000 + count - 1))
prefix="TW-${last:0:${#last}-1}"
times=(); mems=()
for ((r = 0; r < runs; r++)); do
  /usr/bin/time -f '%e %M' -o "$work/time" "$batch" format 商品 價格 --data "$data" \
    --records "$data/記錄資料/條碼檔.zip" --filter "條碼=$prefix" --output "$work/out.pdf" \
    2> "$work/batch.err" || { cat "$work/batch.err" >&2; exit 1; }
  read -r seconds kb < "$work/time"
  times+=("$(awk -v s="$seconds" 'BEGIN {printf "%d", s * 1000}')"); mems+=($((kb / 1024)))
done
pages=$(pdfinfo "$work/out.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
printf '%-10s %9d %10s %8s %12s\n' batch "$count" "$(printf '%s\n' "${times[@]}" | median)" \
  "10 (${pages:-?} p)" "$(printf '%s\n' "${mems[@]}" | median)"
