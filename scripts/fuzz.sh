#!/usr/bin/env bash
# Runs every fuzz target for a bounded time (FUZZ_SECONDS each, default 60)
# and prints what each did. Findings are saved under build/fuzz/.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
mkdir -p build/fuzz
status=0
for src in tests/fuzz/*.cpp; do
  [ -e "$src" ] || continue
  name=$(basename "$src" .cpp)
  corpus=build/fuzz/$name
  mkdir -p "$corpus"
  echo "== $name ($seconds s)"
  build/native/$name "$corpus" -max_total_time="$seconds" -max_len=65536 \
    -artifact_prefix=build/fuzz/$name- -print_final_stats=1 2>&1 |
    grep -E 'stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY' || true
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
exit $status
