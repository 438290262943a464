#!/usr/bin/env bash
# Configures build/, the one build that scripts/run.sh and scripts/test.sh share: warnings as
# errors, the tests included. The same settings each time, so the second command builds only what
# the first did not.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

cmake -S "$root" -B "$root/build" -G Ninja -DTOVRIN_WERROR=ON -DBUILD_TESTING=ON
