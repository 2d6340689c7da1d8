#!/bin/sh
# Runs every *_fuzzer in a build folder, sharing a number of seconds between them; a failing
# run's log is shown. Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -eu
fuzzers=$(find "$1" -maxdepth 1 -type f -name '*_fuzzer' -perm -u+x | sort)
[ -n "$fuzzers" ] || { echo "run-fuzzers: no fuzz targets in $1" >&2; exit 1; }
share=$(($2 / $(echo "$fuzzers" | wc -l)))
[ "$share" -lt 1 ] && share=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for fuzzer in $fuzzers; do
    echo "run-fuzzers: $(basename "$fuzzer") for ${share}s"
    corpus=$(mktemp -d -p "$work")
    "$fuzzer" -max_total_time="$share" -artifact_prefix="$work/" "$corpus" >"$work/log" 2>&1 ||
        { cat "$work/log"; exit 1; }
done
