#!/usr/bin/env bash
# Runs the fuzz target for a bounded time and keeps its closing figures in
# fuzz-summary.txt beside it, where the test command shows them.
set -euo pipefail
fuzzer=$1
seconds=$2
summary="$(dirname "$fuzzer")/fuzz-summary.txt"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
"$fuzzer" -max_total_time="$seconds" -max_len=1024 -print_final_stats=1 >"$log" 2>&1 || status=$?
grep -E '^Done|stat::number_of_executed_units|stat::peak_rss_mb' "$log" >"$summary" || true
if [ "$status" -ne 0 ]; then
  cat "$log"
fi
cat "$summary"
exit "$status"
