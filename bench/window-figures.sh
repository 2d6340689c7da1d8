#!/bin/sh
# Prints the window's figures side by side on this machine: start-up to the first painted main
# window (the splash's pause left out) against a bare QMainWindow (medians of 21 runs),
# shut-down from the close to the process's exit and the high-score dialog's opening (medians
# of 11), the processor time of 10 s of an open high-score dialog, the longest event-loop block
# during a whole game with sound at speed 0 and 5, resident memory after a game against the
# bare window, and printing one page to PDF. Runs under a private Xvfb and PulseAudio null sink.
# Usage: bench/window-figures.sh [BUILD_DIR]   (default build/default; builds nothing)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/default}
bench=$build/bench/window-bench
timing=$build/bench/wav-timing
for program in "$bench" "$timing"; do
    if [ ! -x "$program" ]; then
        echo "no $program: build the window-bench and wav-timing targets first" >&2
        exit 1
    fi
done

. "$root/tests/support/null-sink-server.sh"
work=$(mktemp -d)
xvfb=""
trap 'stop_null_sink_server; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

# From the launch to the first paint (tear-down not counted), the two programs taking turns so
# that both see the same load; medians of 21.
for _ in $(seq 21); do
    for mode in startup startup-bare; do
        LAUNCH_NS=$(date +%s%N) "$bench" "$mode" 2>/dev/null | sed -n "s/first_paint_ms /$mode /p"
    done
done >"$work/startup"
median() { sed -n "s/^$1 //p" "$work/startup" | sort -n | sed -n 11p; }
form=$(median startup)
bare=$(median startup-bare)
echo "start-up to first paint: Form1 ${form} ms, bare QMainWindow ${bare} ms" \
    "($(echo "scale=2; $form / $bare" | bc)x; target <= 1.3x)"

for _ in $(seq 11); do
    close_ns=$("$bench" shutdown 2>/dev/null | sed -n 's/close_ns //p')
    echo $((($(date +%s%N) - close_ns) / 1000000))
done | sort -n | sed -n 6p | while read -r ms; do
    echo "shut-down from the close to the process's exit, no dialog: $ms ms (target <= 200 ms)"
done
for _ in $(seq 11); do
    "$bench" scores 2>/dev/null | sed -n 's/scores_open_ms //p'
done | sort -n | sed -n 6p | while read -r ms; do
    echo "File, Hi-Scores to the high-score dialog's first paint: $ms ms"
done
"$bench" scores-cpu 2>/dev/null | while read -r _ cpu _ wall _ percent; do
    echo "high-score dialog open for $wall ms: $cpu ms of processor time," \
        "$percent % of a core (target < 2 %)"
done

start_null_sink_server "$work/sound" 48000 "$timing"
bare_rss=$(LAUNCH_NS=$(date +%s%N) "$bench" startup-bare 2>/dev/null | sed -n 's/rss_kib //p')
for speed in 0 5; do
    "$bench" game "$speed" 2>/dev/null | while read -r _ s _ calls _ game _ worst _ rss; do
        echo "game with sound at speed $s: $calls calls in $game ms, event loop blocked at most" \
            "$worst ms (target <= 50 ms); resident $((rss / 1024)) MiB after it," \
            "bare window $((bare_rss / 1024)) MiB ($(echo "scale=2; $rss / $bare_rss" | bc)x;" \
            "target <= 1.5x)"
    done
done
"$bench" print 2>/dev/null | while read -r _ ms _ kib _ ok; do
    echo "print one page to PDF: $ms ms, $kib KiB (ok=$ok; target <= 100 ms, <= 200 KB)"
done
