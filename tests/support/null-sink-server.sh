# Sourced by with-null-sink.sh and the benchmarks: a private PulseAudio server with one
# null sink ("test") and a low-latency recorder on its monitor (without one, the sink runs about
# 2 s ahead of real time).
# start_null_sink_server DIR RATE WAV_TIMING: exports PULSE_SERVER and PULSE_CLIENTCONFIG; the
#   recording goes to DIR/recording.raw (mono s16le at RATE) and DIR/recording.log ("<steady
#   seconds> <bytes so far>" per block); null_sink_server_pid is the server's process id.
# stop_null_sink_server: stops the recorder, then the server; safe to call twice.

null_sink_pids=""

stop_null_sink_server() {
    for pid in $null_sink_pids; do
        kill -CONT "$pid" 2>/dev/null || true # a test may have stopped it
        kill "$pid" 2>/dev/null || true
    done
    for pid in $null_sink_pids; do
        wait "$pid" 2>/dev/null || true
    done
    null_sink_pids=""
}

start_null_sink_server() {
    dir=$1
    rate=$2
    timing=$3
    mkdir -p "$dir/runtime" "$dir/home"
    # Clients never start a server of their own: a test without a server must find none.
    printf 'autospawn = no\n' >"$dir/client.conf"
    export PULSE_CLIENTCONFIG="$dir/client.conf"
    export PULSE_SERVER="unix:$dir/native"
    HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" PULSE_RUNTIME_PATH="$dir/runtime" \
        pulseaudio --daemonize=no --exit-idle-time=-1 --disallow-exit -n \
        --log-target=file:"$dir/pulseaudio.log" \
        --load="module-null-sink sink_name=test rate=$rate channels=2" \
        --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" &
    null_sink_pids="$!"
    null_sink_server_pid=$!
    tries=0
    until pactl info >/dev/null 2>&1; do
        tries=$((tries + 1))
        if [ "$tries" -gt 100 ]; then
            echo "the PulseAudio test server did not start; its log:" >&2
            cat "$dir/pulseaudio.log" >&2
            return 1
        fi
        sleep 0.05
    done
    pactl set-default-sink test
    # The recorder and its timestamping filter are stopped before the server, so that the
    # recorder never complains of a lost connection.
    mkfifo "$dir/recording.fifo"
    "$timing" stamp "$dir/recording.raw" "$dir/recording.log" <"$dir/recording.fifo" &
    null_sink_pids="$! $null_sink_pids"
    parecord --latency-msec=20 -d test.monitor --raw --format=s16le --rate="$rate" \
        --channels=1 >"$dir/recording.fifo" &
    null_sink_pids="$! $null_sink_pids"
    # Let the recorder connect before anything is played.
    tries=0
    until [ -s "$dir/recording.log" ] || [ "$tries" -gt 100 ]; do
        tries=$((tries + 1))
        sleep 0.02
    done
}
