#!/usr/bin/env bash
# Builds the Debian package of Tovrin: installs what is missing, checks the desktop entry and the
# AppStream metainfo, builds the program and prints the path of the .deb that CPack makes of it.
# Without an argument it makes a Release build without the tests in build-package/; given the
# folder of an existing build (CI gives build/, which scripts/test.sh has just tested), it
# packages that one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-package}
desktop=$root/packaging/org.tovrin.Tovrin.desktop
metainfo=$root/packaging/org.tovrin.Tovrin.metainfo.xml

# CPack finds the program's libraries with `file` and dpkg-shlibdeps (dpkg-dev).
"$root/scripts/deps.sh" file dpkg-dev desktop-file-utils appstream

# The validator says nothing about a clean entry: any error, warning or hint fails the package.
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
    printf '%s\n%s: not clean\n' "$report" "$desktop" >&2
    exit 1
fi
appstreamcli validate --no-net --strict "$metainfo"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DTOVRIN_WERROR=ON
fi
cmake --build "$build" --target tovrin
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
ls "$build"/*.deb
