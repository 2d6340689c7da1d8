#!/bin/sh
# Runs every *_fuzzer in a build folder, sharing a bounded number of seconds between them.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -eu
dir=$1
seconds=$2
fuzzers=$(find "$dir" -maxdepth 1 -type f -name '*_fuzzer' -perm -u+x | sort)
count=$(echo "$fuzzers" | grep -c . || true)
if [ "$count" -eq 0 ]; then
    echo "run-fuzzers: no fuzz targets in $dir"
    exit 0
fi
share=$((seconds / count))
[ "$share" -lt 1 ] && share=1
corpus_root=$(mktemp -d)
trap 'rm -rf "$corpus_root"' EXIT
for fuzzer in $fuzzers; do
    name=$(basename "$fuzzer")
    mkdir -p "$corpus_root/$name"
    echo "run-fuzzers: $name for ${share}s"
    status=0
    "$fuzzer" -max_total_time="$share" -print_final_stats=1 -artifact_prefix="$corpus_root/" \
        "$corpus_root/$name" >"$corpus_root/$name.log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        cat "$corpus_root/$name.log"
        exit "$status"
    fi
    tail -n 12 "$corpus_root/$name.log"
done
