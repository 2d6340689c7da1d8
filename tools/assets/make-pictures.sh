#!/usr/bin/env bash
# Renders the SVG sources in assets/pictures/src/ to the PNGs the program
# loads, in assets/pictures/: each picture at its own pixel size plus a
# name@2x.png at double size for high-DPI screens (ui/pictures.cpp reads
# those), and the window icon at the usual icon sizes.
#
#   tools/assets/make-pictures.sh            render the PNGs from the committed SVGs
#   tools/assets/make-pictures.sh --sources  first regenerate the generated SVGs
#                                     (background, icon, banner, splash, about:
#                                     python3; portraits: Node.js, see
#                                     tools/assets/portraits/)
#
# Re-runnable: it overwrites the PNGs and prints nothing unless it fails.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
src="$root/assets/pictures/src"
out="$root/assets/pictures"

die() { echo "make-pictures: $*" >&2; exit 1; }

if ! command -v convert >/dev/null 2>&1; then
    die "convert not found; install the Debian package imagemagick (apt-get install imagemagick)"
fi
if ! command -v rsvg-convert >/dev/null 2>&1; then
    die "rsvg-convert not found; install the Debian package librsvg2-bin (apt-get install librsvg2-bin)"
fi

if [[ "${1:-}" == "--sources" ]]; then
    command -v python3 >/dev/null 2>&1 || die "python3 not found (Debian package python3)"
    python3 "$here/make-pictures-background.py"
    python3 "$here/make-pictures-icon.py"
    python3 "$here/make-pictures-banner.py"
    python3 "$here/make-pictures-splash.py"
    python3 "$here/make-pictures-about.py"
    command -v npm >/dev/null 2>&1 || die "npm not found (Debian packages nodejs and npm)"
    if [[ ! -d "$here/portraits/node_modules" ]]; then
        (cd "$here/portraits" && npm ci --silent --no-audit --no-fund >/dev/null) \
            || die "npm ci failed in tools/assets/portraits"
    fi
    node "$here/portraits/portraits.js"
elif [[ $# -gt 0 ]]; then
    die "unknown option: $1 (the only option is --sources)"
fi

[[ -d "$src" ]] || die "no SVG sources in $src"

# render SVG PNG [rsvg-convert size options...]
render() {
    local svg="$1" png="$2"
    shift 2
    rsvg-convert "$@" --format=png --output="$png" "$svg" \
        || die "could not render $(basename "$svg") to $(basename "$png")"
}

# The window icon: square PNGs at the sizes desktops ask for.
for size in 16 32 48 64 128 256; do
    render "$src/icon.svg" "$out/icon-$size.png" --width="$size" --height="$size"
done

# Everything else: the size written in the SVG, and twice that.
for svg in "$src"/*.svg; do
    name="$(basename "$svg" .svg)"
    [[ "$name" == icon ]] && continue
    render "$svg" "$out/$name.png"
    render "$svg" "$out/$name@2x.png" --zoom=2
done

# The background is the largest picture and is on screen at start: as a 256-colour PNG it
# decodes in a third of the time, with no difference to see.
for png in "$out/background.png" "$out/background@2x.png"; do
    convert "$png" -strip -dither FloydSteinberg -colors 256 "PNG8:$png" \
        || die "could not reduce $(basename "$png") to 256 colours (needs imagemagick)"
done

# The splash is the first thing on screen: flat cartoon colours, so 256 of them look the same
# and the file is a third of the size. No dithering (it speckles the soft shading), and a full
# tree depth keeps the white ground exactly white.
for png in "$out/splash.png" "$out/splash@2x.png"; do
    convert "$png" -strip +dither -treedepth 8 -colors 256 "PNG8:$png" \
        || die "could not reduce $(basename "$png") to 256 colours (needs imagemagick)"
done

# The high-score banner frames are 16-colour pictures, all three on the same 16 colours: the
# ones tools/assets/make-pictures-banner.py draws with, and a mid grey for the letters' edges. Mapping onto a fixed palette (rather than
# letting imagemagick choose one) keeps the dialog's grey exact and the frames alike, so
# swapping them moves nothing but the glint.
banner_palette=(
    "#C0C0C0" "#000000" "#FFFFFF" "#808080" "#404040" "#E0E0E0"  # greys
    "#FFFFC8" "#FFE34D" "#F2B705" "#C98A00" "#8A5400" "#4A2A00"  # gold, light to dark
    "#FF3B2F" "#C40000" "#6E0000" "#2850D8"                      # lettering, plinth plate
)
palette="$(mktemp --suffix=.png)"
trap 'rm -f "$palette"' EXIT
convert "${banner_palette[@]/#/xc:}" +append "$palette" \
    || die "could not make the banner palette (needs imagemagick)"
for frame in banner-rest banner-sparkle-1 banner-sparkle-2; do
    for png in "$out/$frame.png" "$out/$frame@2x.png"; do
        convert "$png" -strip +dither -remap "$palette" "PNG8:$png" \
            || die "could not reduce $(basename "$png") to 16 colours (needs imagemagick)"
    done
done

# Each window shows its picture at a fixed size: catch an SVG drawn at the wrong one.
check_size() {
    local png="$out/$1.png" want="$2" got
    got="$(identify -format '%wx%h' "$png")" || die "could not read $1.png"
    [[ "$got" == "$want" ]] || die "$1.png is $got pixels, the window needs $want"
}
check_size splash 600x400
check_size about 134x176
for frame in banner-rest banner-sparkle-1 banner-sparkle-2; do
    check_size "$frame" 282x48
done
