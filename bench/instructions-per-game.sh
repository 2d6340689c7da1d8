#!/bin/sh
# Counts the instructions zandor-sim executes per game under callgrind: a figure that, unlike
# time, does not move with the machine's load. Usage: instructions-per-game.sh [GAMES] [SIM]
set -eu
games=${1:-20000}
sim=${2:-build/default/sim/zandor-sim}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out" "$sim" --games "$games" --seed 1 >/dev/null 2>&1
total=$(callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
echo "instructions per game: $((total / games)) ($games seeded games, 1 card, random type)"
