#!/usr/bin/env bash
# Rebuilds a target's committed corpus as small as it can be: the hand-made seeds (seed-*) and the
# inputs of mended findings (regression-*), then the fewest other inputs that reach every edge the
# whole corpus reaches (hit counts aside).
#
#   fuzz/minimise.sh BUILD TARGET      (BUILD configured with -DBREVMARK_FUZZ=ON)
set -euo pipefail
if [ $# -ne 2 ]; then
  sed -n '2,5p' "$0" >&2
  exit 2
fi
binary="$(realpath "$1")/fuzz/fuzz_$2"
here=$(cd "$(dirname "$0")" && pwd)
corpus="$here/corpus/$2"
if [ -d /dev/shm ] && [ -w /dev/shm ]; then scratch=/dev/shm; else scratch=${TMPDIR:-/tmp}; fi
work=$(mktemp -d "$scratch/brevmark-minimise-$2-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/all" "$work/kept" "$work/tmp"
cp "$corpus"/* "$work/all/"
cp "$corpus"/seed-* "$work/kept/"
cp "$corpus"/regression-* "$work/kept/" 2>/dev/null || true
TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$here/lsan.supp" \
  nice -n 10 "$binary" -merge=1 -use_counters=0 -use_value_profile=0 -timeout=10 \
  "$work/kept" "$work/all" >"$work/log" 2>&1 || { tail -5 "$work/log"; exit 1; }
before=$(ls "$corpus" | wc -l)
find "$corpus" -type f ! -name 'seed-*' ! -name 'regression-*' -delete
find "$work/kept" -type f ! -name 'seed-*' ! -name 'regression-*' -exec cp {} "$corpus/" \;
echo "$2: $before -> $(ls "$corpus" | wc -l) inputs"
