#!/usr/bin/env bash
# Prints the same 245 labels with Brevmark's print job (bench_print) and with glabels-3-batch,
# reads every label of both PDFs back at 600 dpi with zbarimg and ZXing, and only then times them.
# A side whose PDF does not read 245 of 245 with both decoders is reported as failed, not timed.
#
# Each label holds one of the texts BM-001-XYZ ... BM-245-XYZ as Code 39 with its text, quiet
# zones on both sides inside the label, and two text labels (a name and a price) beside it.
# Brevmark's narrowest bar is one 300-dpi dot (4.8 twips), so its labels are 81 x 22 pt, 7 x 35 on
# one A4 page. glabels' built-in Code 39 does not draw narrower than its own 0.48-pt bar (the
# symbol is then 124 pt wide), so its labels are 190 x 22 pt, 3 x 35 to a page on 3 pages.
#
# Reported, each labelled, as medians of the runs:
#   - Brevmark's warm in-process print job against a whole glabels-3-batch process (mostly its
#     start-up);
#   - the labels' own work: Brevmark's job for 245 labels less its job for 1, against glabels'
#     process for 245 labels less its process for 1.
# bench/batch_vs_glabels.sh compares whole processes: brevmark-batch against glabels-3-batch.
#
# Usage: bench/print_vs_glabels.sh [build-dir] [runs]
# Installs Debian's glabels with apt-get when glabels-3-batch is missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../build}"
runs="${2:-5}"
bench="$build/bench/bench_print"
zxing="$build/tests/support/zxing/brevmark-zxing-decode"

for needed in "$bench" "$zxing"; do
  if [ ! -x "$needed" ]; then
    echo "$needed not found; build the targets bench_print and brevmark-zxing-decode first" >&2
    exit 1
  fi
done
for tool in pdftoppm zbarimg python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

source "$here/glabels_common.sh"
install_glabels

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The same 245 records as bench_print: BM-001-XYZ ... BM-245-XYZ, a name and a price.
{
  echo "CODE,NAME,PRICE"
  for n in $(seq 1 245); do
    printf 'BM-%03d-XYZ,品名 %d,NT$ %d\n' "$n" "$n" "$((99 + n))"
  done
} >"$work/labels.csv"
head -n 2 "$work/labels.csv" >"$work/one.csv"
tail -n +2 "$work/labels.csv" | cut -d, -f1 >"$work/expected.txt"

glabels_document "$work/labels.csv" >"$work/labels.glabels"
glabels_document "$work/one.csv" >"$work/one.glabels"

# Reads a PDF back: prints the decoders' counts, fails unless both read all 245.
read_back() {
  python3 "$here/decoded_labels.py" "$1" "$work/expected.txt" "$zxing" "${@:2}"
}

echo "245 labels (10-character Code 39, its text, two text labels), read back at 600 dpi:"

brevmark_ok=1
BREVMARK_BENCH_PDF="$work/brevmark.pdf" "$bench" --benchmark_filter='^BM_FullPageToPdf$' \
  --benchmark_min_time=0.01 >/dev/null 2>&1
brevmark_read="$(read_back "$work/brevmark.pdf" 7 35 15 15 82 23 81 22)" || brevmark_ok=0
echo "  Brevmark (1 page):        $brevmark_read"

glabels_ok=1
glabels-3-batch -o "$work/glabels.pdf" "$work/labels.glabels" >/dev/null 2>&1 || glabels_ok=0
glabels_pages="$(pdfinfo "$work/glabels.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')"
glabels_read="$(read_back "$work/glabels.pdf" 3 35 12 15 192 23 190 22)" || glabels_ok=0
echo "  glabels-3-batch (${glabels_pages:-?} pages): $glabels_read"

# Median wall times in milliseconds.
brevmark_ms() {
  # (Google Benchmark reports a median only from two repetitions on.)
  "$bench" --benchmark_filter="^$1\$" --benchmark_repetitions="$((runs > 1 ? runs : 2))" \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$1_median\"" '$1 == name {
      scale = $5 == "ns" ? 1e-6 : $5 == "us" ? 1e-3 : $5 == "s" ? 1e3 : 1
      print $3 * scale }'
}
glabels_ms() {
  for _ in $(seq 1 "$runs"); do
    start=$(date +%s%N)
    glabels-3-batch -o "$work/timed.pdf" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
  done | median | awk '{print $1 / 1000}'
}

echo
echo "Wall time, median of $runs runs (the machine's load shows in the spread: repeat to be sure):"
if [ "$brevmark_ok" -eq 1 ]; then
  page_ms="$(brevmark_ms BM_FullPageToPdf)"
  one_ms="$(brevmark_ms BM_OneLabelToPdf)"
  printf '  Brevmark print job, warm, in process, 245 labels:   %8.1f ms\n' "$page_ms"
  printf '  Brevmark print job, warm, in process, 1 label:      %8.1f ms\n' "$one_ms"
else
  echo "  Brevmark: FAILED (its labels do not all read back), not timed"
fi
if [ "$glabels_ok" -eq 1 ]; then
  glabels_page_ms="$(glabels_ms "$work/labels.glabels")"
  glabels_one_ms="$(glabels_ms "$work/one.glabels")"
  printf '  glabels-3-batch, whole process, 245 labels:         %8.1f ms\n' "$glabels_page_ms"
  printf '  glabels-3-batch, whole process, 1 label:            %8.1f ms\n' "$glabels_one_ms"
else
  echo "  glabels-3-batch: FAILED (its labels do not all read back), not timed"
fi
if [ "$brevmark_ok" -eq 1 ] && [ "$glabels_ok" -eq 1 ]; then
  echo
  awk -v b="$page_ms" -v g="$glabels_page_ms" 'BEGIN {
    printf "  warm in-process job against whole glabels process:  glabels takes %.1fx as long\n", g / b }'
  awk -v b="$page_ms" -v b1="$one_ms" -v g="$glabels_page_ms" -v g1="$glabels_one_ms" 'BEGIN {
    bl = b - b1; gl = g - g1
    printf "  the labels own work (245 less 1 label):             Brevmark %.1f ms, glabels %.1f ms", bl, gl
    if (bl > 0) printf ", glabels takes %.2fx as long", gl / bl
    printf "\n" }'
fi
[ "$brevmark_ok" -eq 1 ] && [ "$glabels_ok" -eq 1 ]
