#!/usr/bin/env bash
# Builds the word-list reader's fuzz target with clang and runs it for SECONDS (default 60),
# starting from the seed files in fuzz/corpus. Any finding fails the run and is kept in
# build-fuzz/findings. A single allocation over 64 MiB counts as a finding: reading is bounded;
# the sanitizers' own bookkeeping makes the whole process grow well beyond that.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}

"$root/scripts/deps.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DENABLE_FUZZING=ON \
    -DBUILD_TESTING=OFF -DTOVRIN_WERROR=ON
cmake --build "$root/build-fuzz" --target fuzz_word_list
mkdir -p "$root/build-fuzz/corpus" "$root/build-fuzz/findings"
QT_QPA_PLATFORM=offscreen "$root/build-fuzz/fuzz/fuzz_word_list" \
    -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2560 -malloc_limit_mb=64 -print_final_stats=1 \
    -artifact_prefix="$root/build-fuzz/findings/" \
    "$root/build-fuzz/corpus" "$root/fuzz/corpus"
