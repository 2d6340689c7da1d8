#!/bin/sh
# Runs play-with-sound.py against real sound: a private PulseAudio server with a null sink and a
# recorder on its monitor, which the script stops and continues.
# Usage: play-with-sound.sh ZANDOR_BINGO WAV_TIMING
set -u
here=$(dirname "$0")

if ! command -v pulseaudio >/dev/null || ! command -v parecord >/dev/null; then
    echo "SKIP: pulseaudio and parecord (pulseaudio-utils) are not installed"
    exit 77
fi

. "$here/../support/null-sink-server.sh"
work=$(mktemp -d)
trap 'stop_null_sink_server; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

start_null_sink_server "$work" 48000 "$2" || exit 1
ZANDOR_RECORDING_DIR=$work ZANDOR_SERVER_PID=$null_sink_server_pid "$here/play-with-sound.py" "$1"
