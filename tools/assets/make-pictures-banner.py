#!/usr/bin/env python3
"""Writes the high-score dialog's banner frames to assets/pictures/src/:
banner-rest.svg, banner-sparkle-1.svg and banner-sparkle-2.svg, 282 x 48 each.

HIGHEST on the left, a gold cup with a lid in the middle, SCORES on the right,
over a black-and-white chequered band on the dialog's grey. The three frames
come from one drawing and differ only in the glint on the lid, so the dialog
can swap them without anything else on the banner moving.

The frames are 16-colour pictures: make-pictures.sh maps the rendered PNGs onto
its banner palette, which holds every colour used here. Gradients are hard
bands of those colours, so only the edges' anti-aliasing is mapped away.
"""
import math

from svg_source import write_svg

W, H = 282, 48
GREY = "#C0C0C0"                  # the dialog's background

BAND_TOP, CHECK, ROWS = 15, 6, 3  # the chequered band: 3 rows of 6-pixel checks
CX = 141                          # the cup's centre line

# The glint sits on the lid, left of the knob where light would catch it. Sizes are the
# rays' span; the gold rim round them makes them about 14 x 13 and 9 x 9 pixels.
GLINT_AT = (135.5, 9.5)
GLINTS = {"banner-rest": None, "banner-sparkle-1": (12, 11), "banner-sparkle-2": (7.5, 7.5)}

FONT = 'font-family="DejaVu Sans Condensed, DejaVu Sans, sans-serif" font-weight="bold"'


def band():
    out = [f'<rect x="0" y="{BAND_TOP - 1}" width="{W}" height="{ROWS * CHECK + 2}" '
           f'fill="#000000"/>']
    for r in range(ROWS):
        for c in range(0, W // CHECK + 1):
            if (r + c) % 2 == 0:
                out.append(f'<rect x="{c * CHECK}" y="{BAND_TOP + r * CHECK}" width="{CHECK}" '
                           f'height="{CHECK}" fill="#FFFFFF"/>')
    return "\n".join(out)


# Where each word's ink starts after its x, and its ink width, in DejaVu Sans Condensed Bold
# at the size used below. The words are placed by their start: librsvg shifts a middle-anchored
# text that is stretched by a transform.
INK = {"HIGHEST": (1.5, 92), "SCORES": (1.25, 82)}


def word(text, centre):
    # Tall letters: a condensed bold face stretched upwards, a white rim and a dark red
    # outline drawn under the fill, and a hard two-tone fill like enamelled sign letters.
    size, stretch, base = 21, 1.45, 38
    offset, width = INK[text]
    common = (f'x="{centre - width / 2 - offset:.2f}" y="{base / stretch:.2f}" {FONT} '
              f'font-size="{size}" transform="scale(1 {stretch})"')
    return "\n".join([
        f'<text {common} dx="2" dy="1.6" fill="#404040" stroke="#404040" '
        f'stroke-width="3" stroke-linejoin="round">{text}</text>',
        f'<text {common} fill="none" stroke="#FFFFFF" stroke-width="5.5" '
        f'stroke-linejoin="round">{text}</text>',
        f'<text {common} fill="none" stroke="#6E0000" stroke-width="3" '
        f'stroke-linejoin="round">{text}</text>',
        f'<text {common} fill="url(#enamel)">{text}</text>',
    ])


def trophy():
    x = CX
    return "\n".join([
        # plinth: a dark block with a blue name plate
        f'<path d="M{x - 17} 46.5 H{x + 17} L{x + 15} 39.5 H{x - 15} Z" fill="#4A2A00" '
        f'stroke="#4A2A00" stroke-width="1" stroke-linejoin="round"/>',
        f'<rect x="{x - 8}" y="41" width="16" height="4" fill="#2850D8"/>',
        f'<rect x="{x - 8}" y="41" width="16" height="1" fill="#E0E0E0"/>',
        # foot and stem
        f'<path d="M{x - 12} 39.5 Q{x} 33 {x + 12} 39.5 Z" fill="url(#goldH)" '
        f'stroke="#4A2A00" stroke-width="1"/>',
        f'<path d="M{x - 3} 35.5 L{x - 2.5} 30 H{x + 2.5} L{x + 3} 35.5 Z" fill="url(#goldH)" '
        f'stroke="#4A2A00" stroke-width="1"/>',
        f'<rect x="{x - 5.5}" y="28" width="11" height="3" rx="1.2" fill="url(#goldH)" '
        f'stroke="#4A2A00" stroke-width="1"/>',
        # handles, behind the bowl
        f'<path d="M{x - 12} 15.5 C{x - 22} 13 {x - 23} 25 {x - 8} 26" fill="none" '
        f'stroke="#4A2A00" stroke-width="4.2" stroke-linecap="round"/>',
        f'<path d="M{x - 12} 15.5 C{x - 22} 13 {x - 23} 25 {x - 8} 26" fill="none" '
        f'stroke="#F2B705" stroke-width="2" stroke-linecap="round"/>',
        f'<path d="M{x + 12} 15.5 C{x + 22} 13 {x + 23} 25 {x + 8} 26" fill="none" '
        f'stroke="#4A2A00" stroke-width="4.2" stroke-linecap="round"/>',
        f'<path d="M{x + 12} 15.5 C{x + 22} 13 {x + 23} 25 {x + 8} 26" fill="none" '
        f'stroke="#C98A00" stroke-width="2" stroke-linecap="round"/>',
        # the bowl
        f'<path d="M{x - 13.5} 13.5 H{x + 13.5} C{x + 13.5} 24 {x + 9} 28.5 {x} 28.5 '
        f'C{x - 9} 28.5 {x - 13.5} 24 {x - 13.5} 13.5 Z" fill="url(#goldH)" '
        f'stroke="#4A2A00" stroke-width="1.2" stroke-linejoin="round"/>',
        # a band round the bowl, and a star stamped on it
        f'<path d="M{x - 13.2} 17.5 H{x + 13.2}" stroke="#8A5400" stroke-width="1"/>',
        star(x, 22.3, 3.6, 1.5, "#FFFFC8", "#8A5400"),
        # a shine down the bowl's left side
        f'<path d="M{x - 10} 15 C{x - 10} 21 {x - 8} 24.5 {x - 5} 26" fill="none" '
        f'stroke="#FFFFC8" stroke-width="1.6" stroke-linecap="round"/>',
        # the lid: a rim, a dome and a knob
        f'<rect x="{x - 15}" y="11.5" width="30" height="3" rx="1.5" fill="url(#goldH)" '
        f'stroke="#4A2A00" stroke-width="1"/>',
        f'<path d="M{x - 11} 11.5 C{x - 10} 5 {x + 10} 5 {x + 11} 11.5 Z" fill="url(#goldH)" '
        f'stroke="#4A2A00" stroke-width="1"/>',
        f'<circle cx="{x}" cy="4.2" r="2.6" fill="url(#goldH)" stroke="#4A2A00" '
        f'stroke-width="1"/>',
    ])


def star(cx, cy, outer, inner, fill, edge=None, points=5):
    pts = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / points
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    stroke = f' stroke="{edge}" stroke-width="0.8" stroke-linejoin="round"' if edge else ""
    return f'<polygon points="{" ".join(pts)}" fill="{fill}"{stroke}/>'


def glint(size):
    """A four-pointed twinkle, size = (width, height) in pixels, on the lid."""
    if size is None:
        return ""
    w, h = size
    cx, cy = GLINT_AT
    rx, ry = w / 2, h / 2
    # long thin rays across, short ones on the diagonals, a bright core
    q = min(rx, ry) * 0.26
    d = min(rx, ry) * 0.55
    cross = (f"M{cx - rx} {cy} L{cx - q} {cy - q} L{cx} {cy - ry} L{cx + q} {cy - q} "
             f"L{cx + rx} {cy} L{cx + q} {cy + q} L{cx} {cy + ry} L{cx - q} {cy + q} Z")
    diag = (f"M{cx - d} {cy - d} L{cx} {cy - q} L{cx + d} {cy - d} L{cx + q} {cy} "
            f"L{cx + d} {cy + d} L{cx} {cy + q} L{cx - d} {cy + d} L{cx - q} {cy} Z")
    return "\n".join([
        '<!-- the glint -->',
        f'<path d="{cross}" fill="none" stroke="#C98A00" stroke-width="1.4" '
        f'stroke-linejoin="round"/>',
        f'<path d="{diag}" fill="#FFFFC8"/>',
        f'<path d="{cross}" fill="#FFFFFF"/>',
        f'<circle cx="{cx}" cy="{cy}" r="{max(1.0, min(rx, ry) * 0.3):.2f}" fill="#FFFFFF"/>',
    ])


def frame(glint_size):
    return [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- High-score banner for Zandor Bingo, drawn for this project (CC0 1.0).',
        '     Generated by tools/assets/make-pictures-banner.py; edit that, not this file. -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
        f'viewBox="0 0 {W} {H}">',
        '<defs>',
        '<linearGradient id="enamel" x1="0" y1="0" x2="0" y2="1">',
        '<stop offset="0" stop-color="#FF3B2F"/><stop offset="0.55" stop-color="#FF3B2F"/>',
        '<stop offset="0.55" stop-color="#C40000"/><stop offset="1" stop-color="#C40000"/>',
        '</linearGradient>',
        # gold shaded across the cup in hard bands: light from the upper left
        '<linearGradient id="goldH" x1="0" y1="0" x2="1" y2="0">',
        '<stop offset="0" stop-color="#C98A00"/><stop offset="0.12" stop-color="#C98A00"/>',
        '<stop offset="0.12" stop-color="#FFE34D"/><stop offset="0.42" stop-color="#FFE34D"/>',
        '<stop offset="0.42" stop-color="#F2B705"/><stop offset="0.78" stop-color="#F2B705"/>',
        '<stop offset="0.78" stop-color="#C98A00"/><stop offset="0.92" stop-color="#C98A00"/>',
        '<stop offset="0.92" stop-color="#8A5400"/><stop offset="1" stop-color="#8A5400"/>',
        '</linearGradient>',
        '</defs>',
        f'<rect width="{W}" height="{H}" fill="{GREY}"/>',
        band(),
        word("HIGHEST", 63),
        word("SCORES", 216),
        trophy(),
        glint(glint_size),
        '</svg>',
    ]


def main():
    for name, size in GLINTS.items():
        write_svg(name + ".svg", frame(size))


if __name__ == "__main__":
    main()
