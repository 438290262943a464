#!/usr/bin/env bash
# Installs what is missing, builds Tovrin and starts it in the repository's root folder, where it
# finds its readme.txt. Run it again to start Tovrin again: it builds only what changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
"$root/scripts/configure.sh"
cmake --build "$root/build" --target tovrin
cd "$root"
exec "$root/build/src/tovrin"
