#!/usr/bin/env bash
# Installs what is missing, builds Tovrin with warnings as errors and runs the whole test suite,
# headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
"$root/scripts/configure.sh"
cmake --build "$root/build"
cd "$root/build"
ctest --output-on-failure --parallel 2
