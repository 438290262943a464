#!/usr/bin/env bash
# Installs clang and its sanitizer runtimes if missing and configures build-sanitize/: everything,
# tests and fuzz targets included, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer. scripts/test-sanitizers.sh and scripts/fuzz.sh share this tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-sanitize" -G Ninja \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DTOVRIN_WERROR=ON -DBUILD_TESTING=ON -DTOVRIN_SANITIZE=ON -DENABLE_FUZZING=ON
