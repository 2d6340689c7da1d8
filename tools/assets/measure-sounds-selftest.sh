#!/bin/bash
# Checks that tools/assets/measure-sounds.sh notices the faults it is meant to find.
# Copies assets/sounds to a temporary folder, damages some files in known
# ways and compares the flags printed for each file with the expected ones.
# Also checks that the committed files pass. Prints one line per failure and
# exits non-zero when any check fails.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src="$here/../../assets/sounds"
measure="$here/measure-sounds.sh"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/measure-sounds-selftest.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
fail=0

"$measure" "$src" >"$tmp/clean.txt" 2>&1 \
  || { echo "FAIL: the committed sounds are flagged:"; grep -E '[A-Z]{4,}' "$tmp/clean.txt"; fail=1; }

d="$tmp/bad"
cp -r "$src" "$d"
s() { sox -V0 "$@"; }   # silence sox's own clipping warnings
rm "$d/5.wav"
s "$src/1.wav" "$d/1.wav" gain 12                        # hard clipping
s "$src/2.wav" "$d/2.wav" channels 2                     # stereo
s "$src/3.wav" "$d/3.wav" rate 44100                     # other rate
s "$src/4.wav" -e floating-point "$d/4.wav"              # not 16-bit PCM
s "$src/6.wav" "$d/6.wav" pad 0 2                        # too long
s "$src/7.wav" "$d/7.wav" gain -40                       # near silence
s "$src/9.wav" "$d/9.wav" trim 0.10                      # starts mid-word
s "$src/10.wav" "$d/10.wav" reverse trim 0.10 reverse    # ends mid-word
s "$src/11.wav" "$d/11.wav" gain 2.5                     # louder than the rest
s "$src/12.wav" "$d/12.wav" trim 0 0.30 fade t 0.01 0 0.02  # a stub
s "$src/13.wav" "$d/13.wav" gain -n -0.5                 # too hot, not clipped
s "$src/14.wav" "$d/14.wav" gain -n 6 gain -6            # clipped, then turned down
cp "$src/15.wav" "$d/15.wav"; printf 'JUNK' >>"$d/15.wav" # bytes after the data
"$measure" "$d" >"$tmp/bad.txt" 2>&1 && { echo "FAIL: damaged set passes"; fail=1; }

# file -> flags that must appear (other flags may appear too, e.g. LEVEL)
declare -A want=(
  [5.wav]=MISSING [1.wav]=CLIP [2.wav]=FORMAT [3.wav]=FORMAT [4.wav]=FORMAT
  [6.wav]=LONG [7.wav]="QUIET LEVEL" [9.wav]=EDGE [10.wav]=EDGE [11.wav]=LEVEL
  [12.wav]=SHORT [13.wav]=HOT [14.wav]=CLIP [15.wav]=HEADER
  [8.wav]="" [16.wav]="" [75.wav]="" [bingo.wav]=""
)
for f in "${!want[@]}"; do
  got=$(awk -v f="$f" '$1 == f {for (i = 2; i <= NF; i++) if ($i ~ /^[A-Z]+$/) printf "%s ", $i}' "$tmp/bad.txt")
  if [ -z "${want[$f]}" ]; then
    [ -z "$got" ] || { echo "FAIL: $f untouched but flagged: $got"; fail=1; }
    continue
  fi
  for flag in ${want[$f]}; do
    [[ " $got" == *" $flag "* ]] || { echo "FAIL: $f: expected $flag, got '${got% }'"; fail=1; }
  done
done

((fail)) && exit 1
echo "measure-sounds self-test: all checks passed"
