#!/usr/bin/env bash
# Builds Tovrin and its tests with AddressSanitizer and UndefinedBehaviorSanitizer (clang, in
# build-sanitize/) and runs the whole test suite, headless. Any sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# The AT-SPI tests' X server, window manager, keyboard, D-Bus session, accessibility bus and client.
"$root/scripts/deps.sh" xvfb openbox xdotool dbus-daemon at-spi2-core python3-pyatspi \
    qt6-qpa-plugins
"$root/scripts/configure-sanitized.sh"
cmake --build "$root/build-sanitize"
cd "$root/build-sanitize"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure --parallel 2
