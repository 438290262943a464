#!/bin/sh
# Renders the windows (scripts/render-windows.sh) and keeps the four that the README shows in
# docs/screenshots/.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
renders=$(mktemp -d)
trap 'rm -rf "$renders"' EXIT

"$root/scripts/render-windows.sh" "$renders"
mkdir -p "$root/docs/screenshots"
for picture in wizard-2-typing main-wrong-attempt form1-recall form5-readme; do
    cp "$renders/$picture.png" "$root/docs/screenshots/"
done
