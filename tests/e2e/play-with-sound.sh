#!/bin/sh
# Runs play-with-sound.py against real sound: a private PulseAudio server with a null sink and a
# recorder on its monitor, which the script stops and continues.
# Usage: play-with-sound.sh ZANDOR_BINGO WAV_TIMING
set -u
here=$(dirname "$0")

. "$here/../support/null-sink-server.sh"
null_sink_test_folder

start_null_sink_server "$work" 48000 "$2" || exit 1
ZANDOR_RECORDING_DIR=$work ZANDOR_SERVER_PID=$null_sink_server_pid "$here/play-with-sound.py" "$1"
