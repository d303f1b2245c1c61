#!/usr/bin/env bash
# Whole process against whole process: brevmark-batch against glabels-3-batch, each merging the
# same records into a PDF: 245, 2,450 and 24,500 labels of a 10-character Code 39 symbol with its
# text and two text labels (a name and a price) on A4. Before anything is timed, every page of
# both PDFs is rasterised at 600 dpi and every label read with zbarimg and ZXing; a side whose
# PDF does not read N of N with both decoders is reported as failed, not timed.
#
# Both sides start from files: Brevmark from a data folder of its own (TOP.reg, a barcode format
# with the fields {NAME} and {PRICE}, written in code page 950 by python3) and the CSV file,
# glabels from a glabels document over the same CSV file. Each figure is the wall time of the
# whole process, from exec to exit (start-up, reading the data, laying out, drawing, writing the
# PDF), the median of the runs, and its peak resident memory as /usr/bin/time -v reports it.
#
# Brevmark's narrowest bar is one 300-dpi dot (print resolution 4.8 twips), so its labels are
# 81 x 22 pt, 7 x 35 on a page. glabels' built-in Code 39 does not draw narrower than its own
# 0.48-pt bar (the symbol is then 124 pt wide), so its labels are 190 x 22 pt, 3 x 35 on a page:
# glabels writes 2.3 times as many pages for the same labels.
#
# Usage: bench/batch_vs_glabels.sh [build-dir] [runs]   (runs at 245 labels; fewer for more)
#        BENCH_LABELS="245 2450" bench/batch_vs_glabels.sh   (other sizes)
#        BENCH_SIDES=brevmark BENCH_LABELS=24500 bench/batch_vs_glabels.sh   (one side only: glabels
#        takes a quarter of an hour and 2.6 GB at 24,500 labels)
# Installs Debian's glabels with apt-get when glabels-3-batch is missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../build}"
runs="${2:-5}"
batch="$build/src/app/brevmark-batch"
zxing="$build/tests/support/zxing/brevmark-zxing-decode"

for needed in "$batch" "$zxing"; do
  if [ ! -x "$needed" ]; then
    echo "$needed not found; build the targets brevmark-batch and brevmark-zxing-decode first" >&2
    exit 1
  fi
done
for tool in pdftoppm pdfinfo zbarimg python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done
source "$here/glabels_common.sh"
install_glabels

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# brevmark-batch needs no display; glabels-3-batch does not either.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Brevmark's data folder: labels of 1620 x 440 twips flowing 20 twips apart from (300, 150), the
# symbol at bar width 1 with quiet zones of 60 and 78 twips, its text and the two labels in 6 pt.
python3 - "$work/brevmark" <<'PY'
import os, sys
records = os.path.join(sys.argv[1], "記錄資料")
os.makedirs(records)
os.makedirs(os.path.join(sys.argv[1], "圖形資料"))
def line(fields, tail=None):
    return ",".join('"%s"' % f for f in fields) + ("," + str(tail) if tail is not None else "") + "\r\n"
settings = [("列印排列", "2 2 20 10"), ("列印解析度", "4.8"), ("印表裝置", "0")]
with open(os.path.join(records, "TOP.reg"), "wb") as f:
    f.write("".join(line(kv) for kv in settings).encode("cp950"))
fmt = [["BENCH", "LABEL", "條碼", "1620", "440", "", "16777215", "1", "60 30 200",
        "False False False 0 6", "1 0 0 0", ""],
       ["BENCH", "LABEL", "標籤", "{NAME}", "1060", "20", "0", "6", "新細明體", "False False False", "", ""],
       ["BENCH", "LABEL", "標籤", "{PRICE}", "1060", "220", "0", "6", "新細明體", "False False False", "", ""]]
with open(os.path.join(records, "排版記錄.zip"), "wb") as f:
    f.write("".join(line(r, 1) for r in fmt).encode("cp950"))
PY

# One side's whole process writing the PDF $2, run after the words that follow (a timer).
run_side() {
  local side=$1 pdf=$2
  shift 2
  case $side in
    brevmark) "$@" "$batch" --data "$work/brevmark" format BENCH LABEL --records "$work/labels.csv" \
                --output "$pdf" ;;
    glabels) "$@" glabels-3-batch -o "$pdf" "$work/labels.glabels" ;;
  esac
}

# One timed run of a side under /usr/bin/time -v; prints "<wall seconds> <peak kB>".
timed() {
  run_side "$1" "$work/timed.pdf" /usr/bin/time -v >/dev/null 2>"$work/time.txt" || return 1
  awk -F': ' '/Elapsed \(wall clock\)/ {
      n = split($2, t, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + t[i]; wall = s }
    /Maximum resident set size/ {kb = $2}
    END {printf "%.3f %d\n", wall, kb}' "$work/time.txt"
}

declare -A wall memory pages
printf '%-8s %-16s %6s %-30s %12s %10s\n' labels side pages "read back (600 dpi)" "wall (median)" "peak RSS"
for labels in ${BENCH_LABELS:-245 2450 24500}; do
  wall=()
  n_runs=$runs
  [ "$labels" -ge 2450 ] && n_runs=$(((runs + 1) / 2))
  [ "$labels" -ge 24500 ] && n_runs=1
  {
    echo "CODE,NAME,PRICE"
    for n in $(seq 1 "$labels"); do
      printf 'BM-%05d-X,品名 %d,NT$ %d\n' "$n" "$n" "$((99 + n))"
    done
  } >"$work/labels.csv"
  tail -n +2 "$work/labels.csv" | cut -d, -f1 >"$work/expected.txt"
  glabels_document "$work/labels.csv" >"$work/labels.glabels"

  for side in ${BENCH_SIDES:-brevmark glabels}; do
    pdf="$work/$side-$labels.pdf"
    ok=1
    run_side "$side" "$pdf" >/dev/null 2>&1 || ok=0
    if [ "$side" = brevmark ]; then grid="7 35 15 7.5 82 23 81 22"; else grid="3 35 12 15 192 23 190 22"; fi
    # shellcheck disable=SC2086
    read_back="$(python3 "$here/decoded_labels.py" "$pdf" "$work/expected.txt" "$zxing" $grid)" || ok=0
    pages[$side]="$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')"
    if [ "$ok" -ne 1 ]; then
      printf '%-8s %-16s %6s %-30s %12s %10s\n' "$labels" "$side" "${pages[$side]:-?}" "$read_back" FAILED -
      wall[$side]=""
      continue
    fi
    times=()
    peak=0
    for _ in $(seq 1 "$n_runs"); do
      result="$(timed "$side")" || { times=(); break; }
      times+=("${result% *}")
      kb="${result#* }"
      [ "$kb" -gt "$peak" ] && peak=$kb
    done
    if [ ${#times[@]} -eq 0 ]; then
      printf '%-8s %-16s %6s %-30s %12s %10s\n' "$labels" "$side" "${pages[$side]}" "$read_back" FAILED -
      wall[$side]=""
      continue
    fi
    wall[$side]="$(printf '%s\n' "${times[@]}" | median)"
    memory[$side]=$peak
    printf '%-8s %-16s %6s %-30s %9.0f ms %7.1f MB\n' "$labels" "$side" "${pages[$side]}" \
      "$read_back" "$(awk -v s="${wall[$side]}" 'BEGIN {print s * 1000}')" \
      "$(awk -v k="$peak" 'BEGIN {print k / 1024}')"
    echo "$labels $side ${wall[$side]} $peak" >>"$work/figures.txt"
  done
  if [ -n "${wall[brevmark]:-}" ] && [ -n "${wall[glabels]:-}" ]; then
    awk -v b="${wall[brevmark]}" -v g="${wall[glabels]}" -v n="$labels" 'BEGIN {
      printf "%-8s glabels-3-batch takes %.1fx as long as brevmark-batch (median of %s)\n", n, g / b,
        "whole processes" }'
  fi
done

echo
echo "Growth, whole process per label (median wall time / labels):"
awk '{ per[$2] = per[$2] sprintf("  %6s: %7.3f ms", $1, $3 * 1000 / $1) } END {
  for (side in per) printf "  %-9s%s\n", side, per[side] }' "$work/figures.txt"
echo "(runs: $runs at 245 labels, $(((runs + 1) / 2)) at 2,450, 1 at 24,500; wall time and peak RSS from /usr/bin/time -v)"
