#!/bin/sh
# Prints how long after a sound's real end the wave player returns: 75 calls played into a
# private PulseAudio null sink whose monitor is recorded with timestamps; the real end of each
# sound is read from the recording. Target: +20 to +60 ms, never early (negative).
# Usage: bench/sound-timing.sh [BUILD_DIR]   (default build/default; builds nothing)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/default}
timing=$build/bench/wav-timing
if [ ! -x "$timing" ]; then
    echo "no $timing: build the wav-timing target first" >&2
    exit 1
fi

. "$root/tests/support/null-sink-server.sh"
work=$(mktemp -d)
trap 'stop_null_sink_server; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

# The game's own number calls when they exist, else a 0.8 s test tone.
if [ -f "$root/assets/sounds/1.wav" ]; then
    set --
    for n in $(seq 1 75); do
        set -- "$@" "$root/assets/sounds/$n.wav"
    done
    echo "sounds: assets/sounds/1.wav ... 75.wav"
else
    sox -n -r 22050 -b 16 -c 1 "$work/tone.wav" synth 0.8 sine 440 vol 0.5
    set -- "$work/tone.wav"
    echo "sounds: a 0.8 s 440 Hz tone"
fi

rate=48000
start_null_sink_server "$work/server" "$rate" "$timing"
"$timing" measure "$work/server" "$rate" 75 "$@" | tail -n 1
