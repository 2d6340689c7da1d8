#!/bin/bash
# Measures the caller's sound files and flags what would sound wrong in a game.
#
# Usage: tools/assets/measure-sounds.sh [folder]     (default: assets/sounds)
#
# Prints one line per file: duration, peak and RMS level, the speech level
# (RMS of the parts within 40 dB of the file's peak, i.e. with the pauses
# removed), the level of the first and last 5 ms, and
# flags:
#   MISSING   one of 1.wav ... 75.wav or bingo.wav is absent
#   FORMAT    not 16-bit signed PCM, mono, at the common sample rate
#   HEADER    not a plain 44-byte RIFF/WAVE header (fmt chunk then data)
#   CLIP      peak at or above -0.1 dBFS, or the extreme sample value reached
#             six times or more (a flat top: clipped once, then turned down)
#   HOT       peak above -0.9 dBFS (the generator aims at -1 dBFS at most)
#   QUIET     peak below -12 dBFS or speech level below -30 dBFS (near silence)
#   SHORT     shorter than 0.4 s          LONG  longer than 2.5 s
#   EDGE      first or last 5 ms louder than -35 dBFS (speech cut off, click)
#   LEVEL     speech level more than 1.5 dB away from the median of all files
# Then a summary: durations min/median/max, peaks, sizes, total size.
# Exit status: 0 when nothing is flagged, 1 otherwise.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
dir=${1:-"$here/../../assets/sounds"}
[ -d "$dir" ] || { echo "measure-sounds: no folder $dir" >&2; exit 2; }
command -v sox >/dev/null 2>&1 \
  || { echo "measure-sounds: sox not found; install the Debian package 'sox'" >&2; exit 2; }

names=()
for n in $(seq 1 75); do names+=("$n"); done
names+=(bingo)

tmp=$(mktemp "${TMPDIR:-/tmp}/measure-sounds.XXXXXX")
trap 'rm -f "$tmp"' EXIT

# stats of a file or of a slice: prints "peak_dB rms_dB peak_count"
stats() {
  sox -V1 "$@" stats 2>&1 | awk '
    /^Pk lev dB/   {p = $4}
    /^RMS lev dB/  {r = $4}
    /^Pk count/    {c = $3}
    END {print num(p), num(r), (c == "" ? 0 : c)}
    function num(x) { return (x == "" || x ~ /inf/) ? -200 : x }'
}

# The common rate is that of the first call; every file must share it.
rate=$(soxi -r "$dir/1.wav" 2>/dev/null || echo 22050)

for name in "${names[@]}"; do
  f="$dir/$name.wav"
  if [ ! -f "$f" ]; then
    echo "$name missing" >>"$tmp"
    continue
  fi
  flags=""
  fmt="$(soxi -e "$f" 2>/dev/null)|$(soxi -b "$f" 2>/dev/null)|$(soxi -c "$f" 2>/dev/null)|$(soxi -r "$f" 2>/dev/null)"
  [ "$fmt" = "Signed Integer PCM|16|1|$rate" ] || flags+=" FORMAT"
  # RIFF....WAVE "fmt " 16 ... "data" at byte 36, and nothing after the data.
  size=$(stat -c %s "$f")
  hdr=$(head -c 44 "$f" | od -An -c | tr -d ' \n')
  datalen=$(od -An -tu4 -j40 -N4 "$f" | tr -d ' ')
  if [[ "$hdr" != RIFF*WAVEfmt* ]] || [ "$(head -c 40 "$f" | tail -c 4)" != data ] \
     || [ "$((datalen + 44))" -ne "$size" ]; then
    flags+=" HEADER"
  fi
  dur=$(soxi -D "$f" 2>/dev/null || echo 0)
  read -r peak rms count < <(stats "$f" -n)
  thr=$(awk -v p="$peak" 'BEGIN {printf "%.2f", p - 40}')
  read -r _ speech _ < <(stats "$f" -n silence 1 0.02 "${thr}d" -1 0.02 "${thr}d")
  read -r head_pk _ _ < <(stats "$f" -n trim 0 0.005)
  read -r tail_pk _ _ < <(stats "$f" -n reverse trim 0 0.005)
  flags+=$(awk -v p="$peak" -v r="$speech" -v c="$count" -v d="$dur" \
               -v h="$head_pk" -v t="$tail_pk" 'BEGIN {
    if (p + 0 >= -0.1 || c + 0 >= 6) printf " CLIP"
    else if (p + 0 > -0.9) printf " HOT"
    if (p + 0 < -12 || r + 0 < -30) printf " QUIET"
    if (d + 0 < 0.4) printf " SHORT"
    if (d + 0 > 2.5) printf " LONG"
    if (h + 0 > -35 || t + 0 > -35) printf " EDGE"
  }')
  echo "$name ok $dur $peak $rms $speech $head_pk $tail_pk $size$flags" >>"$tmp"
done

awk '
  $2 == "missing" { printf "%-10s MISSING\n", $1 ".wav"; bad++; next }
  { n++; name[n] = $1; line[n] = $0; dur[n] = $3; pk[n] = $4; sp[n] = $6; size[n] = $9
    total += $9 }
  function median(a, m,   b, i, j, t) {
    for (i = 1; i <= m; i++) b[i] = a[i]
    for (i = 2; i <= m; i++) { t = b[i]; for (j = i - 1; j >= 1 && b[j] > t; j--) b[j+1] = b[j]; b[j+1] = t }
    return (m % 2) ? b[(m + 1) / 2] : (b[m / 2] + b[m / 2 + 1]) / 2
  }
  function lo(a, m,   i, x) { x = a[1]; for (i = 2; i <= m; i++) if (a[i] < x) x = a[i]; return x }
  function hi(a, m,   i, x) { x = a[1]; for (i = 2; i <= m; i++) if (a[i] > x) x = a[i]; return x }
  END {
    if (n == 0) { print "no sound files measured"; exit 1 }
    ms = median(sp, n)
    printf "%-10s %7s %8s %8s %8s %8s %8s %7s  %s\n", "file", "dur s", "peak dB", "rms dB", "speech", "head5ms", "tail5ms", "bytes", "flags"
    for (i = 1; i <= n; i++) {
      split(line[i], f, " ")
      flags = ""
      for (k = 10; k in f; k++) flags = flags " " f[k]
      d = sp[i] - ms; if (d < 0) d = -d
      if (d > 1.5) flags = flags " LEVEL"
      if (flags != "") bad++
      printf "%-10s %7.3f %8.2f %8.2f %8.2f %8.2f %8.2f %7d %s\n", name[i] ".wav", dur[i], pk[i], f[5], sp[i], f[7], f[8], size[i], flags
    }
    printf "\nfiles %d   duration min/median/max %.3f / %.3f / %.3f s\n", n, lo(dur, n), median(dur, n), hi(dur, n)
    printf "peak dBFS min/median/max %.2f / %.2f / %.2f   speech level min/median/max %.2f / %.2f / %.2f dBFS\n", lo(pk, n), median(pk, n), hi(pk, n), lo(sp, n), ms, hi(sp, n)
    printf "size min/median/max %d / %d / %d bytes   total %d bytes (%.2f MB)\n", lo(size, n), median(size, n), hi(size, n), total, total / 1e6
    printf "%s\n", bad ? bad " file(s) flagged" : "nothing flagged"
    exit bad ? 1 : 0
  }' "$tmp"
