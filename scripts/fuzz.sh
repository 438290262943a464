#!/usr/bin/env bash
# Builds the fuzz targets with clang (in build-sanitize/) and runs each for SECONDS (default 60),
# starting from its seed files in fuzz/corpus/: the word-list reader, and the text of a message box.
# Any finding fails the run and is kept in build-sanitize/findings. A single allocation over 64 MiB
# counts as a finding: reading is bounded, and a box never loads what its text names; the
# sanitizers' own bookkeeping makes the whole process grow well beyond that.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}

"$root/scripts/configure-sanitized.sh"
cmake --build "$root/build-sanitize" --target fuzz_word_list fuzz_message_text
for input in word_list message_text; do
    # The message box needs a whole QApplication, whose fonts live until the process ends: what
    # it still holds then is no leak of a box.
    leaks=1
    [ "$input" = message_text ] && leaks=0
    mkdir -p "$root/build-sanitize/corpus/$input" "$root/build-sanitize/findings"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=$leaks "$root/build-sanitize/fuzz/fuzz_$input" \
        -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2560 \
        -malloc_limit_mb=64 -print_final_stats=1 \
        -artifact_prefix="$root/build-sanitize/findings/$input-" \
        "$root/build-sanitize/corpus/$input" "$root/fuzz/corpus/$input"
done
