#!/usr/bin/env bash
# Installs what is missing, builds Tovrin and starts it in the repository's root folder, where it
# finds its readme.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja
cmake --build "$root/build" --target tovrin
cd "$root"
exec "$root/build/src/tovrin"
