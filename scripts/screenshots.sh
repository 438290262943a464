#!/bin/sh
# Renders the windows (scripts/render-windows.sh), in English, German and French, and keeps the
# ones that the README shows in docs/screenshots/.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
renders=$(mktemp -d)
trap 'rm -rf "$renders"' EXIT

"$root/scripts/render-windows.sh" "$renders"
"$root/scripts/render-windows.sh" "$renders" de fr
mkdir -p "$root/docs/screenshots/de" "$root/docs/screenshots/fr"
for picture in wizard-2-typing main-wrong-attempt form1-recall form5-readme; do
    cp "$renders/$picture.png" "$root/docs/screenshots/"
done
cp "$renders/de/wizard-1-start.png" "$root/docs/screenshots/de/"
cp "$renders/fr/main-wrong-attempt.png" "$root/docs/screenshots/fr/"
