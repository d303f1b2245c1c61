#!/usr/bin/env bash
# Prints a full page of 245 labels (a 10-character Code 39 symbol and two text labels each) to a
# PDF file with Brevmark's print job (bench_print) and with glabels-3-batch, and shows both times.
# Usage: bench/print_vs_glabels.sh [build-dir] [runs]
# Installs Debian's glabels with apt-get when glabels-3-batch is missing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${1:-$here/../build}"
runs="${2:-5}"
bench="$build/bench/bench_print"

if [ ! -x "$bench" ]; then
  echo "bench_print not found in $build/bench; build the target bench_print first" >&2
  exit 1
fi

if ! command -v glabels-3-batch >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing glabels (for glabels-3-batch)..."
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends glabels >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The same 245 records as the benchmark: BM-001-XYZ ... BM-245-XYZ, a name and a price.
{
  echo "CODE,NAME,PRICE"
  for n in $(seq 1 245); do
    printf 'BM-%03d-XYZ,品名 %d,NT$ %d\n' "$n" "$n" "$((99 + n))"
  done
} >"$work/labels.csv"

# 7 × 35 labels of 81 × 22 points on A4 (Brevmark's page uses 1620 × 440 twips items).
identity='a0="1" a1="0" a2="0" a3="1" a4="0" a5="0"'
span='font_family="Sans" font_size="6" font_weight="Regular" font_italic="False" color="0x000000ff" line_spacing="1"'
cat >"$work/labels.glabels" <<XML
<?xml version="1.0"?>
<Glabels-document xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Brevmark" part="bench-7x35" size="A4" description="245 labels">
    <Meta category="label"/>
    <Label-rectangle id="0" width="81pt" height="22pt" round="0pt" x_waste="0pt" y_waste="0pt">
      <Markup-margin size="1pt"/>
      <Layout nx="7" ny="35" x0="15pt" y0="15pt" dx="82pt" dy="23pt"/>
    </Label-rectangle>
  </Template>
  <Objects id="0" rotate="False">
    <Object-barcode $identity x="2pt" y="1pt" w="77pt" h="12pt" backend="built-in" style="Code39"
        text="True" checksum="False" color="0x000000ff" field="CODE"/>
    <Object-text $identity x="2pt" y="14pt" w="38pt" h="7pt" justify="Left" valign="Top"
        auto_shrink="False" wrap="Word" line_spacing="1">
      <Span $span><Field name="NAME"/></Span>
    </Object-text>
    <Object-text $identity x="42pt" y="14pt" w="38pt" h="7pt" justify="Left" valign="Top"
        auto_shrink="False" wrap="Word" line_spacing="1">
      <Span $span><Field name="PRICE"/></Span>
    </Object-text>
  </Objects>
  <Merge type="Text/Comma/Line1Keys" src="$work/labels.csv"/>
</Glabels-document>
XML

# Brevmark: Google Benchmark's mean wall time of one full page to PDF.
brevmark_ms="$(QT_QPA_PLATFORM=offscreen "$bench" --benchmark_filter=BM_FullPageToPdf \
  --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true 2>/dev/null |
  awk '/BM_FullPageToPdf_mean/ {print $2}')"

# glabels: mean wall time of whole runs of glabels-3-batch (process start included, as for any
# batch tool).
total=0
for _ in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  glabels-3-batch -o "$work/glabels.pdf" "$work/labels.glabels" >/dev/null 2>&1
  end=$(date +%s%N)
  total=$((total + (end - start)))
done
glabels_ms=$((total / runs / 1000000))
pages="$(pdfinfo "$work/glabels.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')"

echo "245 labels, 10-character Code 39 and two text labels each, to PDF (mean of $runs runs):"
printf '  Brevmark print job (bench_print, in process): %s ms\n' "${brevmark_ms:-?}"
printf '  glabels-3-batch (whole process, %s page(s)):  %s ms\n' "${pages:-?}" "$glabels_ms"
