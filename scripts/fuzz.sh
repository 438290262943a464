#!/usr/bin/env bash
# Builds the word-list reader's fuzz target with clang (in build-sanitize/) and runs it for SECONDS
# (default 60), starting from the seed files in fuzz/corpus. Any finding fails the run and is kept
# in build-sanitize/findings. A single allocation over 64 MiB counts as a finding: reading is bounded;
# the sanitizers' own bookkeeping makes the whole process grow well beyond that.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}

"$root/scripts/configure-sanitized.sh"
cmake --build "$root/build-sanitize" --target fuzz_word_list
mkdir -p "$root/build-sanitize/corpus" "$root/build-sanitize/findings"
QT_QPA_PLATFORM=offscreen "$root/build-sanitize/fuzz/fuzz_word_list" \
    -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2560 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix="$root/build-sanitize/findings/" \
    "$root/build-sanitize/corpus" "$root/fuzz/corpus"
