#!/usr/bin/env bash
# Installs, on Debian 12, whatever Tovrin needs to build, test and run and is not there yet.
# Extra package names may be given as arguments. Runs apt-get as root, or through sudo.
set -euo pipefail

# fonts-dejavu-core gives fontconfig its usual sans-serif face: installed in the same step as
# fonts-liberation alone, the desktop's "sans-serif" would come out as Liberation Mono. Qt's
# translation tools (lupdate, lrelease and their CMake functions) build the translations, and the
# tests check Qt's own. qt6-speech-dev's CMake package files need qt6-declarative-dev; the screen
# reader's session hears the words that flite says in a PulseAudio server of its own.
packages=(cmake g++ ninja-build qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation fonts-dejavu-core qt6-speech-dev qt6-declarative-dev qt6-speech-flite-plugin
    pulseaudio pulseaudio-utils "$@")
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
