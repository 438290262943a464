#!/usr/bin/env bash
# Builds the benchmark in Release (build-bench/) and prints one table: each figure, its value, its
# target, PASS or MISS.
# - Start-up to the first frame and peak memory, Tovrin against a bare Qt window showing one label
#   (hyperfine, /usr/bin/time), on Qt's offscreen platform and on X: the DISPLAY given, or else a
#   private Xvfb started for the run. Both programs end once their first window has painted its
#   first frame.
# - User actions with their repaint, and the readme viewer's worst files (Qt Test, offscreen). Each
#   figure is the median of fresh processes: an action the user meets once in a run of the program
#   (a save, a load, a window's first appearance, the readme) is timed cold, as the user meets it.
# Its figures depend on the machine, so CI does not run it; it fails only when a measurement could
# not be taken, never on a figure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
bench=$build/bench
blocks=5       # blocks of 4 start-ups of each program timed by hyperfine, on each platform
peaks=5        # start-ups of each program whose peak memory is taken
processes=7    # fresh processes for each figure of the actions

"$root/scripts/deps.sh" hyperfine time xvfb qt6-qpa-plugins
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOVRIN_WERROR=ON \
    -DBUILD_TESTING=OFF -DTOVRIN_BENCH=ON >/dev/null
cmake --build "$build" --target tovrin_bench_bare tovrin_bench_start tovrin_bench_actions >/dev/null

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

SECONDS=0
missed=0
median() {
    sort -g | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# row FIGURE VALUE TARGET PASSED: PASSED is an awk condition over nothing but numbers.
row() {
    local verdict=MISS
    if awk "BEGIN { exit !($4) }"; then verdict=PASS; else missed=$((missed + 1)); fi
    printf '%-62s %-26s %-10s %s\n' "$1" "$2" "$3" "$verdict"
}
printf '%-62s %-26s %-10s %s\n' Figure Value Target ''

# The median peak resident memory of a program's start-ups, in KiB.
peak() {
    for _ in $(seq "$peaks"); do
        /usr/bin/time -f %M -o "$scratch/peak" "$1" || return 1
        cat "$scratch/peak"
    done | median
}

for platform in offscreen xcb; do
    export QT_QPA_PLATFORM=$platform
    # The two programs take turns, a block of start-ups each, so that a change in the load of the
    # machine falls on both.
    programs=()
    for _ in $(seq "$blocks"); do
        programs+=("$bench/tovrin_bench_bare" "$bench/tovrin_bench_start")
    done
    # Its warnings about outliers are for a person at the screen.
    hyperfine -N --style none --warmup 1 --runs 4 --export-csv "$scratch/start.csv" \
        "${programs[@]}" >/dev/null 2>"$scratch/hyperfine" || { cat "$scratch/hyperfine" >&2; exit 1; }
    # command,mean,stddev,median,...: the median of each block's medians, in milliseconds.
    bare=$(awk -F, '$1 ~ /_bare$/ { print $4 * 1000 }' "$scratch/start.csv" | median)
    tovrin=$(awk -F, '$1 ~ /_start$/ { print $4 * 1000 }' "$scratch/start.csv" | median)
    ratio=$(awk "BEGIN { printf \"%.2f\", $tovrin / $bare }")
    row "Start-up to the first frame, Tovrin / bare window ($platform)" \
        "$(printf '%.2f (%.1f / %.1f ms)' "$ratio" "$tovrin" "$bare")" "<= 1.25" "$ratio <= 1.25"
    bare=$(peak "$bench/tovrin_bench_bare")
    tovrin=$(peak "$bench/tovrin_bench_start")
    extra=$(awk "BEGIN { printf \"%.1f\", ($tovrin - $bare) / 1024 }")
    row "Peak memory, Tovrin - bare window ($platform)" \
        "$(awk "BEGIN { printf \"%s MiB (%.1f - %.1f)\", $extra, $tovrin / 1024, $bare / 1024 }")" \
        "<= 10 MiB" "$extra <= 10"
done

export QT_QPA_PLATFORM=offscreen
# The median of a Qt Test figure ("function" or "function:data row") over fresh processes.
figure() {
    local run
    for _ in $(seq "$processes"); do
        run=$("$bench/tovrin_bench_actions" -csv "$1" 2>&1) || { echo "$run" >&2; return 1; }
        # "function","data row","metric",value,total,iterations
        awk -F, '/^"/ { print $4 }' <<<"$run"
    done | median
}
action() {
    local ms
    ms=$(figure "$1")
    row "$2" "$(printf '%.2f ms' "$ms")" "<= 5 ms" "$ms <= 5"
}
action keystroke "A keystroke in the word box"
action nextWithSave "Next on the typing page, saving the list"
action done "Done in the practice window (a wrong attempt)"
action practiceFirstAppearance "The practice window's first appearance"
action load "Loading a list through the wizard"
for kind in "line ends" "one line" "NUL bytes"; do
    ms=$(figure "readme:$kind")
    row "Readme of 64 KiB, $kind: read and shown until painted" "$(printf '%.0f ms' "$ms")" \
        "<= 300 ms" "$ms <= 300"
    mib=$(awk "BEGIN { printf \"%.1f\", $(figure "readmeMemory:$kind") / 1048576 }")
    row "Readme of 64 KiB, $kind: peak memory growth" "$mib MiB" "<= 50 MiB" "$mib <= 50"
done

echo "$missed of the targets missed; measured in $SECONDS s."
