#!/usr/bin/env bash
# Runs a test program with a PulseAudio server of its own whose one output is a null sink
# (null-sink), or with no audio device at all (none), and tells it which in TOVRIN_TEST_AUDIO. The
# server belongs to the run alone: its own runtime, home and settings folders, stopped at the end;
# the user's sound settings are neither read nor written. No speech-dispatcher is started for the
# run, nor the user's reached, so that flite says the words whatever else is installed.
#   with-audio.sh null-sink|none PROGRAM [ARGUMENTS...]
set -euo pipefail
audio=$1
shift

scratch=$(mktemp -d)
export XDG_RUNTIME_DIR=$scratch/runtime HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config \
    TOVRIN_TEST_AUDIO=$audio
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
echo DisableAutoSpawn >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
stop() {
    local pid
    if pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null); then
        kill "$pid" 2>/dev/null && tail --pid="$pid" -f /dev/null
    fi
    rm -rf "$scratch"
}
trap stop EXIT

case $audio in
null-sink)
    # Daemonised, it returns once the server takes clients. Should this script be killed, the
    # server ends by itself once it has had no client for a while.
    pulseaudio --daemonize=yes -n --exit-idle-time=20 --realtime=no --high-priority=no \
        --log-target="file:$scratch/pulseaudio.log" \
        --load="module-null-sink sink_name=tovrin_null" --load=module-native-protocol-unix
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
    ;;
none)
    # No server, and none started on demand.
    export PULSE_SERVER=unix:$scratch/no-server
    ;;
*)
    echo "with-audio.sh: null-sink or none, not $audio" >&2
    exit 2
    ;;
esac
"$@"
