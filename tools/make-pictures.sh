#!/usr/bin/env bash
# Renders the SVG sources in assets/pictures/src/ to the PNGs the program
# loads, in assets/pictures/: each picture at its own pixel size plus a
# name@2x.png at double size for high-DPI screens (Qt picks those up by
# itself), and the window icon at the usual icon sizes.
#
#   tools/make-pictures.sh            render the PNGs from the committed SVGs
#   tools/make-pictures.sh --sources  first regenerate the generated SVGs
#                                     (background, icon: python3; portraits:
#                                     Node.js, see tools/portraits/)
#
# Re-runnable: it overwrites the PNGs and prints nothing unless it fails.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
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
    command -v npm >/dev/null 2>&1 || die "npm not found (Debian packages nodejs and npm)"
    if [[ ! -d "$here/portraits/node_modules" ]]; then
        (cd "$here/portraits" && npm ci --silent --no-audit --no-fund >/dev/null) \
            || die "npm ci failed in tools/portraits"
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
