#!/bin/sh
# Usage: render-windows.sh [OUTPUT_DIR [LANGUAGE...]]
# Saves PNG pictures of every window, offscreen, at scale 1 into OUTPUT_DIR (renders/ by default)
# and at scale 2 into OUTPUT_DIR/scale2, in English. Given languages (de fr ...), it renders the
# windows in each of them instead, into OUTPUT_DIR/LANGUAGE and OUTPUT_DIR/LANGUAGE/scale2, the
# readme viewer showing the guide in that language. Builds in build/, configuring it first if
# needed.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/renders}" && cd "${1:-$root/renders}" && pwd)
[ $# -gt 0 ] && shift
build=$root/build

"$root/scripts/configure.sh"
cmake --build "$build" --target render_windows

# The screen is as large as a desktop's at either scale, so that the readme viewer opens beside the
# wizard at its own size.
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
echo '{"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 2732, "height": 1536}]}' \
    >"$files/screen.json"
export QT_QPA_PLATFORM="offscreen:configfile=$files/screen.json" LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE

# The readme viewer shows the readme.txt of the folder the program starts in.
render() {
    "$build/tools/render_windows" "$1"
    QT_SCALE_FACTOR=2 "$build/tools/render_windows" "$1/scale2"
}

if [ $# -eq 0 ]; then
    cd "$root"
    render "$out"
    exit 0
fi
for language in "$@"; do
    mkdir -p "$files/$language"
    cp "$root/translations/readme_$language.txt" "$files/$language/readme.txt"
    (cd "$files/$language" && export LANGUAGE="$language" && render "$out/$language")
done
