#!/usr/bin/env bash
# Runs one fuzz target with libFuzzer for a while, then merges what it found into the committed
# corpus (only inputs that reach code the corpus does not reach yet).
#
#   fuzz/campaign.sh BUILD TARGET SECONDS [libFuzzer options...]
#
# BUILD is a build folder configured with -DBREVMARK_FUZZ=ON (see the README). The run's own
# corpus, its scratch files and its log live in a temporary folder; inputs that break an
# invariant or crash are kept in fuzz/findings/TARGET/ (not committed) and named at the end.
# Runs at nice 10: the machine is shared.
set -euo pipefail
if [ $# -lt 3 ]; then
  sed -n '2,10p' "$0" >&2
  exit 2
fi
build=$(realpath "$1")
target=$2
seconds=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
binary="$build/fuzz/fuzz_$target"
corpus="$here/corpus/$target"
findings="$here/findings/$target"
[ -x "$binary" ] || { echo "no $binary: build the target brevmark_fuzzers first" >&2; exit 2; }

# The targets write their files through the real file system, which waits for each write to
# reach the disk: a memory file system keeps that from ruling the speed.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then scratch=/dev/shm; else scratch=${TMPDIR:-/tmp}; fi
work=$(mktemp -d "$scratch/brevmark-campaign-$target-XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/tmp" "$findings"
log="$work/log"

# Each run's files go to a scratch folder below $work/tmp; a fault ends the run (ASan, UBSan or
# a broken invariant) and its input is kept in $findings.
# fontconfig keeps its caches to the end of the process: not a leak of ours.
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
status=0
TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen nice -n 10 "$binary" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$@" \
  "$work/corpus" "$corpus" 2>"$log" || status=$?

# The last status line: executions, coverage (cov: edges, ft: features), corpus size, speed.
grep -E '^#[0-9]+' "$log" | grep -vE 'NEW|REDUCE' | tail -1 || true
grep -E '^stat::' "$log" || true
echo "kept inputs: $(ls "$findings" | wc -l) in $findings"
if [ $status -ne 0 ] || grep -q 'deadly signal\|ERROR: ' "$log"; then
  echo "--- faults of this run:"
  grep -E -A1 'invariant broken|runtime error|ERROR: AddressSanitizer|ERROR: LeakSanitizer' "$log" |
    grep -vE "^--$|invariant broken" | sort | uniq -c | head -20 || true
fi
cp "$log" "$findings/../$target.log"

# Only what reaches new code joins the committed corpus.
before=$(ls "$corpus" | wc -l)
TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen nice -n 10 "$binary" -merge=1 -timeout=10 \
  "$corpus" "$work/corpus" >"$work/merge.log" 2>&1 || { tail -5 "$work/merge.log"; exit 1; }
echo "corpus: $before -> $(ls "$corpus" | wc -l) inputs"
exit $status
