#!/usr/bin/env bash
# Runs the log reader's fuzz target for a while on a copy of the seed corpus.
# Usage: run-fuzz.sh FUZZ_PROGRAM SECONDS [CORPUS_DIR]
# Without CORPUS_DIR the run starts from the seeds in a scratch directory and leaves no
# files behind; with it, new inputs are kept there for the next run. Crashes, leaks and
# undefined behaviour end the run with a non-zero exit code and the input in the scratch
# (or current) directory.
set -euo pipefail
program=$(realpath "$1")
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/unzorl-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
corpus=${3:-$work/corpus}
mkdir -p "$corpus"
cp -n "$here"/corpus/* "$corpus"/
cd "$work"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
set +e
"$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
  -dict="$here/log.dict" -print_final_stats=1 "$corpus" 2>&1 | tail -n 30
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  mkdir -p "${UNZORL_FUZZ_ARTIFACTS:-/tmp/unzorl-fuzz-artifacts}"
  cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* "${UNZORL_FUZZ_ARTIFACTS:-/tmp/unzorl-fuzz-artifacts}"/ 2>/dev/null || true
  echo "fuzz: failure; inputs copied to ${UNZORL_FUZZ_ARTIFACTS:-/tmp/unzorl-fuzz-artifacts}" >&2
fi
exit "$status"
