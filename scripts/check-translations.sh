#!/usr/bin/env bash
# Fails when a translation is missing or unfinished. Brings translations/*.ts up to date with the
# texts in the code, as a developer does (the CMake target update_translations in build/, which
# runs lupdate), and fails when lupdate warns about a text it cannot take, when it changed a file
# (a text was added, changed or removed in the code and the .ts files were not brought up to date
# with it), or when any translation is unfinished or empty. The files are left updated, ready for
# the translator.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/deps.sh"
"$root/scripts/configure.sh"

before=$(mktemp -d)
trap 'rm -rf "$before"' EXIT
cp "$root"/translations/*.ts "$before/"
report=$(cmake --build "$root/build" --target update_translations 2>&1)
printf '%s\n' "$report"

failed=0
# lupdate names the file and line of a text it cannot take.
if grep -E '^[^ []+:[0-9]+: ' <<<"$report"; then
    echo "lupdate cannot take the texts above" >&2
    failed=1
fi
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    if ! cmp -s "$ts" "$before/$name"; then
        diff -u "$before/$name" "$ts" || true
        echo "$name was not up to date with the texts in the code" >&2
        failed=1
    fi
    if grep -B4 -E 'type="unfinished"|<translation></translation>|<numerusform></numerusform>' \
        "$ts"; then
        echo "$name has unfinished or empty translations (above)" >&2
        failed=1
    fi
done
exit $failed
