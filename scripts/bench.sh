#!/usr/bin/env bash
# Builds the benchmark in Release (build-bench/) and prints its table: start-up against a bare Qt
# window, every user action of a whole session, and hostile input files. Start-up is measured on
# Qt's offscreen platform and on X as well: on the DISPLAY given, or else on a private Xvfb that
# is started for the run and stopped after it. Arguments go to the runner: --runs N (start-ups and
# loads, 20), --sessions N (7), --slowest N (list the slowest actions), --only startup|session|files.
# Its figures depend on the machine and it takes minutes, so CI does not run it; it fails only
# when a measurement could not be taken, never on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench

"$root/scripts/deps.sh" xvfb qt6-qpa-plugins
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVRIN_WERROR=ON \
    -DBUILD_TESTING=ON -DTOVRIN_BENCH=ON
cmake --build "$build" --target tovrin_bench

scratch=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

export LANG=C.UTF-8
# Qt wants a private runtime folder; without one every program started warns about it.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$scratch}

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display number and writes it once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$scratch/display" ] && break
        sleep 0.1
    done
    [ -s "$scratch/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(tr -d '\n' <"$scratch/display")"
fi

"$build/bench/tovrin_bench" "$@"
