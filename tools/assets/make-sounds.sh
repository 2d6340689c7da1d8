#!/bin/bash
# Generates the caller's voice: assets/sounds/1.wav ... 75.wav ("B, twelve")
# and assets/sounds/bingo.wav ("Bingo!").
#
# Voice: festival with the HTS voice cmu_us_slt_arctic_hts (Debian package
# festvox-us-slt-hts). sox then cuts each call to the spoken part, evens out
# the pause between the letter and the number, matches the loudness of all
# files and writes 16-bit PCM mono WAV at 22050 Hz.
#
# Usage: tools/assets/make-sounds.sh [-v]
#   -v  print, per file, the phones festival chose and the gain applied
#       (handy to check that every letter is said as its letter name).
#
# The output is deterministic: the same packages give byte-identical files.
# Nothing is written outside assets/sounds/ except a temporary folder that is
# removed on exit.
set -euo pipefail

verbose=0
case "${1:-}" in
  -v) verbose=1 ;;
  "") ;;
  *) echo "usage: $0 [-v]" >&2; exit 2 ;;
esac

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/../../assets/sounds"

rate=22050          # output sample rate
peak_ceiling=-1.0   # dBFS: no file peaks above this
speed=1.05          # speaking rate of the calls (1 = the voice's own)
gap=0.22            # seconds of pause between the letter and the number
lead=0.015          # seconds kept before the first phone
tail=0.045          # seconds kept after the last phone (natural decay)
bingo_speed=1.10    # the win call is said a little quicker ...
bingo_pitch=250     # ... and higher (cents), to sound pleased

die() { echo "make-sounds: $*" >&2; exit 1; }

command -v festival >/dev/null 2>&1 \
  || die "festival not found; install the Debian package 'festival'"
command -v sox >/dev/null 2>&1 \
  || die "sox not found; install the Debian package 'sox'"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/make-sounds.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

festival --batch '(format t "%l\n" (voice.list))' >"$tmp/voices" 2>&1 || true
grep -qw cmu_us_slt_arctic_hts "$tmp/voices" \
  || die "festival voice cmu_us_slt_arctic_hts not found; install the Debian package 'festvox-us-slt-hts'"

letter() {
  local n=$1
  if   ((n <= 15)); then echo B
  elif ((n <= 30)); then echo I
  elif ((n <= 45)); then echo N
  elif ((n <= 60)); then echo G
  else                   echo O
  fi
}

# --- 1. Speech ---------------------------------------------------------------
# festival synthesises the files in one run and writes, per file, the times
# of the first and last spoken phone, the pause after the letter and the
# phones. Phrasing follows the punctuation, so the comma after the letter
# always gives a phrase break (the voice's statistical phrasing drops it for
# some numbers).
mkdir -p "$tmp/raw" "$tmp/cut" "$tmp/final"

# synth LIST LABELS: LIST holds lines "name speed text"; writes
# $tmp/raw/<name>.wav for each and one line per file to LABELS.
synth() {
  {
    cat <<'EOF'
(voice_cmu_us_slt_arctic_hts)
(Parameter.set 'Phrase_Method 'cart_tree)
(set! phrase_cart_tree simple_phrase_cart_tree)
(set! zb_base_params hts_engine_params)
(define (zb_say name text speed dir fd)
  (set! hts_engine_params
        (if (equal? speed 1) zb_base_params
            (append zb_base_params (list (list "-r" speed)))))
  (let ((u (SynthText text))
        (first -1) (last -1) (gs -1) (ge -1) (phones ""))
    (utt.save.wave u (string-append dir "/" name ".wav") 'riff)
    (mapcar
     (lambda (s)
       (let ((p (item.name s)))
         (set! phones (string-append phones (if (string-equal phones "") "" "-") p))
         (if (string-equal p "pau")
             (if (and (> first -1) (< gs 0) (item.next s))
                 (begin (set! gs (item.feat s 'segment_start))
                        (set! ge (item.feat s 'end))))
             (begin
               (if (< first 0) (set! first (item.feat s 'segment_start)))
               (set! last (item.feat s 'end))))))
     (utt.relation.items u 'Segment))
    (format fd "%s %f %f %f %f %s\n" name first last gs ge phones)))
EOF
    echo "(set! fd (fopen \"$2\" \"w\"))"
    while read -r name s text; do
      echo "(zb_say \"$name\" \"$text\" $s \"$tmp/raw\" fd)"
    done <"$1"
    echo "(fclose fd)"
  } >"$tmp/say.scm"
  if ! festival --batch "$tmp/say.scm" >"$tmp/festival.log" 2>&1 \
     || [ "$(wc -l <"$2")" -ne "$(wc -l <"$1")" ]; then
    cat "$tmp/festival.log" >&2
    die "festival failed"
  fi
}

# The voice renders straight to 16-bit and now and then overdrives a loud
# vowel ("B, 8." at the voice's own speed). Such a file is said again a shade
# slower, which changes the rendering enough to stay in range.
clipped() {
  sox -V1 "$1" -n stats 2>&1 | awk '/^Pk lev dB/ {p = $4} /^Flat factor/ {f = $3}
    END {exit !(p + 0 > -0.05 || f + 0 > 0)}'
}

# Replace lines of file $2 by the lines of $1 with the same first field.
merge() {
  awk 'NR == FNR {a[$1] = $0; next} ($1 in a) {print a[$1]; next} {print}' \
    "$1" "$2" >"$2.new" && mv "$2.new" "$2"
}

: >"$tmp/list"
for n in $(seq 1 75); do
  echo "$n $speed $(letter "$n"), $n." >>"$tmp/list"
done
echo "bingo $bingo_speed Bingo!" >>"$tmp/list"
synth "$tmp/list" "$tmp/labels"

for try in 1 2 3 4 5 6 7; do
  : >"$tmp/again"
  while read -r name s text; do
    if clipped "$tmp/raw/$name.wav"; then
      echo "$name $(awk -v s="$s" 'BEGIN {printf "%.2f", s - 0.01}') $text" >>"$tmp/again"
    fi
  done <"$tmp/list"
  [ -s "$tmp/again" ] || break
  ((try < 7)) || die "clipped even when said slower: $(cut -d' ' -f1 "$tmp/again" | tr '\n' ' ')"
  synth "$tmp/again" "$tmp/labels.again"
  merge "$tmp/again" "$tmp/list"
  merge "$tmp/labels.again" "$tmp/labels"
done

# Every call must start with its letter name and a pause: "bee", "eye", "en",
# "gee", "oh". A changed lexicon or voice would show up here, not in a game.
declare -A letter_phones=([B]="pau-b-iy-pau" [I]="pau-ay-pau" [N]="pau-eh-n-pau"
                          [G]="pau-jh-iy-pau" [O]="pau-ow-pau")
while read -r name first last gs ge phones; do
  [ "$name" = bingo ] && continue
  want=${letter_phones[$(letter "$name")]}
  [[ "$phones" == "$want"-* ]] \
    || die "$name.wav: expected to start with '$want', festival said '$phones'"
done <"$tmp/labels"

# --- 2. Cut, even out the pause, resample -----------------------------------
# Cut from just before the first phone to a little after the last, with short
# fades so that a cut inside a quiet sound cannot click. The pause after the
# letter is brought up to $gap by inserting silence in its middle, where the
# voice is already silent.
sx() { sox -R -D -V1 "$@"; }

while read -r name first last gs ge phones; do
  len=$(soxi -D "$tmp/raw/$name.wav")
  read -r start end ins at < <(awk -v f="$first" -v l="$last" -v gs="$gs" \
      -v ge="$ge" -v len="$len" -v lead="$lead" -v tail="$tail" -v gap="$gap" '
    BEGIN {
      s = f - lead; if (s < 0) s = 0
      e = l + tail; if (e > len) e = len
      ins = 0; at = 0
      if (gs >= 0 && ge - gs < gap) { ins = gap - (ge - gs); at = (gs + ge) / 2 - s }
      printf "%.4f %.4f %.4f %.4f\n", s, e, ins, at
    }')
  effects=(trim "$start" "=$end")
  if [ "$ins" != 0.0000 ]; then effects+=(pad "$ins@$at"); fi
  if [ "$name" = bingo ]; then effects+=(pitch "$bingo_pitch"); fi
  effects+=(fade t 0.005 -0 0.025 rate -v "$rate")
  sx "$tmp/raw/$name.wav" -e floating-point -b 32 "$tmp/cut/$name.wav" "${effects[@]}"
done <"$tmp/labels"

# --- 3. Loudness ------------------------------------------------------------
# All files get the same speech level: the RMS of the parts within 40 dB of
# the file's peak, i.e. with the pauses left out. The common level is the
# highest one at which every file still peaks at or below $peak_ceiling, so
# nothing clips and no call is louder than the next.
stat_db() {  # file -> "peak_dB speech_rms_dB"
  local peak rms thr
  peak=$(sox -V1 "$1" -n stats 2>&1 | awk '/^Pk lev dB/ {print $4}')
  thr=$(awk -v p="$peak" 'BEGIN {printf "%.2f", p - 40}')
  rms=$(sox -V1 "$1" -n silence 1 0.02 "${thr}d" -1 0.02 "${thr}d" stats 2>&1 \
        | awk '/^RMS lev dB/ {print $4}')
  echo "$peak $rms"
}

: >"$tmp/levels"
while read -r name _; do
  echo "$name $(stat_db "$tmp/cut/$name.wav")" >>"$tmp/levels"
done <"$tmp/labels"

target=$(awk -v c="$peak_ceiling" '
  { t = c - ($2 - $3); if (NR == 1 || t < m) m = t }
  END { printf "%.2f\n", m }' "$tmp/levels")

while read -r name peak rms; do
  g=$(awk -v t="$target" -v r="$rms" -v p="$peak" -v c="$peak_ceiling" '
    BEGIN { g = t - r; if (p + g > c) g = c - p; printf "%.2f\n", g }')
  sx "$tmp/cut/$name.wav" -e signed-integer -b 16 -c 1 "$tmp/final/$name.wav" gain "$g"
  if ((verbose)); then
    phones=$(awk -v n="$name" '$1 == n {print $6}' "$tmp/labels")
    printf '%-6s gain %+6.2f dB  %s\n' "$name.wav" "$g" "$phones"
  fi
done <"$tmp/levels"
((verbose)) && echo "speech level of every file: $target dBFS RMS"

# --- 4. Install -------------------------------------------------------------
mkdir -p "$out"
for f in "$tmp/final"/*.wav; do
  cp "$f" "$out/"
done
