#!/usr/bin/env bash
# Names what each kept input of a fuzz target breaks, one line each, by replaying it through the
# target of a build folder (a normal build names broken invariants; a fuzz build
# also what the sanitizers find):
#
#   fuzz/classify.sh BUILD TARGET [FILES...]     (default: every file in fuzz/findings/TARGET/)
set -uo pipefail
if [ $# -lt 2 ]; then
  sed -n '2,7p' "$0" >&2
  exit 2
fi
binary="$1/fuzz/fuzz_$2"
shift 2
here=$(cd "$(dirname "$0")" && pwd)
files=("$@")
[ ${#files[@]} -gt 0 ] || files=("$here/findings/$(basename "$binary" | sed 's/^fuzz_//')"/*)
# A fuzz build writes the input of a fault as crash-<hash> into this folder; they are ours already.
artifacts=$(mktemp -d)
trap 'rm -rf "$artifacts"' EXIT
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  out=$(TMPDIR=${TMPDIR:-/tmp} QT_QPA_PLATFORM=offscreen \
        LSAN_OPTIONS="suppressions=$here/lsan.supp" "$binary" -artifact_prefix="$artifacts/" "$f" 2>&1 >/dev/null)
  what=$(grep -A1 'invariant broken' <<<"$out" | tail -1)
  [ -n "$what" ] || what=$(grep -m1 -o 'runtime error: .*' <<<"$out")
  [ -n "$what" ] || what=$(grep -m1 -o 'ERROR: [A-Za-z]*Sanitizer: [^(]*' <<<"$out")
  printf '%s\t%s\n' "$(basename "$f")" "${what:-passes}"
done
