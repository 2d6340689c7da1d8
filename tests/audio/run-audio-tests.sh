#!/bin/sh
# Runs the wave player's tests against real sound: a private PulseAudio server with a null
# sink, recorded from its monitor; and with no sound server reachable at all.
# Usage: run-audio-tests.sh WAVE_PLAYER_TESTS WAV_TIMING
set -u
tests=$1
. "$(dirname "$0")/../support/null-sink-server.sh"
null_sink_test_folder

start_null_sink_server "$work/server" 48000 "$2" || exit 1
ZANDOR_AUDIO_MODE=server ZANDOR_RECORDING_DIR="$work/server" ZANDOR_RECORDING_RATE=48000 \
    ZANDOR_SERVER_PID=$null_sink_server_pid "$tests"
with_server=$?
stop_null_sink_server

# No server at that address, and clients never start one themselves.
PULSE_SERVER="unix:$work/no-server" ZANDOR_AUDIO_MODE=no-server "$tests" && [ "$with_server" -eq 0 ]
