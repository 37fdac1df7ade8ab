#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given seconds each, from its
# seeds (fuzz/corpus/<name>/) and what earlier runs found, and prints how many
# inputs each ran. A crash, leak or sanitizer report fails the run and leaves
# the input in <build>/fuzz-artifacts/.
#   run-fuzz.sh <build folder> <seconds per target> [target name...]
set -euo pipefail
build=$1 seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/fuzz-artifacts"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$build"/fuzz/fuzz-*; do targets+=("${bin##*/fuzz-}"); done
fi

export LSAN_OPTIONS=suppressions=$source_dir/fuzz/lsan.supp
# The language-module target writes a folder per input: in memory it runs
# about twice as fast. Not where /dev/shm is mounted noexec (as in many
# containers): its modules could not be loaded from there.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ] && ! findmnt -no OPTIONS -T /dev/shm | grep -qw noexec; then
  export TMPDIR=/dev/shm
fi
status=0
for name in "${targets[@]}"; do
  corpus=$build/fuzz-corpus/$name
  mkdir -p "$corpus"
  [ -d "$source_dir/fuzz/corpus/$name" ] && cp -n "$source_dir/fuzz/corpus/$name"/* "$corpus"/ 2>/dev/null || true
  log=$build/fuzz-$name.log
  if "$build/fuzz/fuzz-$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
       -artifact_prefix="$build/fuzz-artifacts/$name-" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz-$name: ${runs:-?} inputs in ${seconds} s, clean"
  else
    echo "fuzz-$name: FAILED (log: $log)"
    grep -m 20 -E "ERROR|SUMMARY|runtime error|Test unit written" "$log" || tail -20 "$log"
    status=1
  fi
done
exit $status
