#!/bin/sh
# Saves PNG pictures of every window, offscreen, at scale 1 into OUTPUT_DIR (renders/ by default)
# and at scale 2 into OUTPUT_DIR/scale2. Builds in build/, configuring it first if needed.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/renders}
build=$root/build

"$root/scripts/configure.sh"
cmake --build "$build" --target render_windows

# The readme viewer shows the readme.txt of the folder the program starts in. The screen is as
# large as a desktop's at either scale, so that the viewer opens beside the wizard at its own size.
cd "$root"
screen=$(mktemp)
trap 'rm -f "$screen"' EXIT
echo '{"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 2732, "height": 1536}]}' >"$screen"
export QT_QPA_PLATFORM="offscreen:configfile=$screen" LANG=C.UTF-8
"$build/tests/render_windows" "$out"
QT_SCALE_FACTOR=2 "$build/tests/render_windows" "$out/scale2"
