#!/usr/bin/env bash
# Installs what is missing, builds Tovrin with warnings as errors and runs the whole test suite,
# headless.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# The AT-SPI tests' X server, window manager, keyboard, D-Bus session, accessibility bus and client.
"$root/scripts/deps.sh" xvfb openbox xdotool dbus-daemon at-spi2-core python3-pyatspi \
    qt6-qpa-plugins
"$root/scripts/configure.sh"
cmake --build "$root/build"
cd "$root/build"
ctest --output-on-failure --parallel 2
