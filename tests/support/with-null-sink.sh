#!/bin/sh
# Runs a test command with real sound: a private PulseAudio server (PULSE_SERVER) with a null
# sink and a recorder on its monitor. The recording goes to ZANDOR_RECORDING_DIR at
# ZANDOR_RECORDING_RATE; the server's process, which a test may stop and continue, is
# ZANDOR_SERVER_PID.
# Usage: with-null-sink.sh WAV_TIMING COMMAND...
set -u

if ! command -v pulseaudio >/dev/null || ! command -v parecord >/dev/null; then
    echo "SKIP: pulseaudio and parecord (pulseaudio-utils) are not installed"
    exit 77
fi
. "$(dirname "$0")/null-sink-server.sh"
work=$(mktemp -d)
trap 'stop_null_sink_server; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
start_null_sink_server "$work" 48000 "$1" || exit 1
shift
ZANDOR_RECORDING_DIR=$work ZANDOR_RECORDING_RATE=48000 ZANDOR_SERVER_PID=$null_sink_server_pid \
    "$@"
