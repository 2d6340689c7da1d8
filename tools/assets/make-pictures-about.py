#!/usr/bin/env python3
"""Writes assets/pictures/src/about.svg, the About box's 134 x 176 picture.

A snapshot of a bingo night: on a wooden table, the corner of a played card
with daubed numbers, a dauber bottle and three called balls, printed on a
white-bordered photo lying on the box's grey. Soft shadows and the lens's
vignette use SVG filters and clip paths, which rsvg-convert renders; the
program only loads the PNG.
"""

from svg_source import write_svg

W, H = 134, 176
GREY = "#C0C0C0"
# The photo's paper and the picture on it.
PAPER = (5, 4, 123, 166)         # x, y, width, height
SHOT = (11, 10, 111, 134)        # the exposed picture; the wide bottom margin has a note


def card():
    """The corner of a bingo card, tipped on the table, some numbers daubed."""
    cell = 15
    columns = {"B": [7, 12, 3, 14], "I": [21, 17, 29, 24], "N": [38, 44, 0, 33],
               "G": [52, 47, 59, 55], "O": [68, 71, 62, 66]}
    daubed = {(0, 1), (1, 0), (2, 2), (3, 3), (2, 0), (4, 1)}
    out = ['<g transform="translate(-5 21) rotate(-13)">',
           # the card's own shadow, then the card
           f'<rect x="2" y="3" width="{5 * cell + 8}" height="{5 * cell + 8}" rx="3" '
           f'fill="#000000" fill-opacity="0.45" filter="url(#soft)"/>',
           f'<rect x="0" y="0" width="{5 * cell + 8}" height="{5 * cell + 8}" rx="3" '
           f'fill="#FFF8E6" stroke="#D8C9A6" stroke-width="0.6"/>',
           f'<rect x="4" y="4" width="{5 * cell}" height="{cell - 2}" fill="#D62828"/>']
    for c, letter in enumerate(columns):
        x = 4 + c * cell + cell / 2
        out.append(f'<text x="{x}" y="{4 + cell - 5.5}" font-family="DejaVu Sans, sans-serif" '
                   f'font-weight="bold" font-size="9" text-anchor="middle" '
                   f'fill="#FFFFFF">{letter}</text>')
        for r, number in enumerate(columns[letter]):
            y = 4 + (r + 1) * cell - 2
            out.append(f'<rect x="{4 + c * cell}" y="{y}" width="{cell}" height="{cell}" '
                       f'fill="none" stroke="#2C5DA8" stroke-width="0.7"/>')
            label = "FREE" if number == 0 else str(number)
            size = 4 if number == 0 else 7.5
            out.append(f'<text x="{x}" y="{y + cell / 2 + size * 0.36:.1f}" '
                       f'font-family="DejaVu Sans, sans-serif" font-weight="bold" '
                       f'font-size="{size}" text-anchor="middle" fill="#1D2F5A">{label}</text>')
            if (c, r) in daubed:
                out.append(f'<circle cx="{x + 0.6}" cy="{y + cell / 2 + 0.4}" r="6.3" '
                           f'fill="#E0208C" fill-opacity="0.62"/>')
    out.append('</g>')
    return "\n".join(out)


def dauber(x, y):
    """A dauber bottle standing on the table, seen a little from above."""
    w, h = 20, 44
    return "\n".join([
        f'<ellipse cx="{x + 5}" cy="{y + h + 1}" rx="15" ry="4.5" fill="#000000" '
        f'fill-opacity="0.5" filter="url(#soft)"/>',
        # the bottle: a cylinder with a printed label, then the rounded cap
        f'<path d="M{x - w / 2} {y + 14} V{y + h} A{w / 2} 3.5 0 0 0 {x + w / 2} {y + h} '
        f'V{y + 14} Z" fill="url(#bottle)"/>',
        f'<path d="M{x - w / 2} {y + 22} V{y + 36} A{w / 2} 3.5 0 0 0 {x + w / 2} {y + 36} '
        f'V{y + 22} A{w / 2} 3.5 0 0 1 {x - w / 2} {y + 22} Z" fill="url(#label)"/>',
        f'<text x="{x}" y="{y + 31.5}" font-family="DejaVu Sans, sans-serif" font-weight="bold" '
        f'font-size="6" text-anchor="middle" fill="#FFFFFF">DAB</text>',
        f'<ellipse cx="{x}" cy="{y + 14}" rx="{w / 2}" ry="3.5" fill="#7A0F4C"/>',
        f'<path d="M{x - w / 2 - 1} {y + 14} V{y + 4} Q{x} {y - 8} {x + w / 2 + 1} {y + 4} '
        f'V{y + 14} A{w / 2 + 1} 3.8 0 0 1 {x - w / 2 - 1} {y + 14} Z" fill="url(#cap)"/>',
        f'<path d="M{x - 6} {y + 1} Q{x - 3} {y - 3} {x + 1} {y - 3}" fill="none" '
        f'stroke="#FFFFFF" stroke-opacity="0.7" stroke-width="1.6" stroke-linecap="round"/>',
    ])


def ball(cx, cy, r, colour, letter, number):
    """A white bingo ball with a coloured band and its call printed in a disc."""
    return "\n".join([
        f'<ellipse cx="{cx + r * 0.35:.1f}" cy="{cy + r * 0.85:.1f}" rx="{r * 1.05:.1f}" '
        f'ry="{r * 0.35:.1f}" fill="#000000" fill-opacity="0.55" filter="url(#soft)"/>',
        f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{colour}"/>',
        # the white caps above and below the band, on the ball's curve
        f'<path d="M{cx - r * 0.8:.1f} {cy - r * 0.6:.1f} A{r} {r} 0 0 1 {cx + r * 0.8:.1f} '
        f'{cy - r * 0.6:.1f} Q{cx} {cy - r * 0.42:.1f} {cx - r * 0.8:.1f} {cy - r * 0.6:.1f} Z" '
        f'fill="#FBFBF5"/>',
        f'<path d="M{cx - r * 0.8:.1f} {cy + r * 0.6:.1f} A{r} {r} 0 0 0 {cx + r * 0.8:.1f} '
        f'{cy + r * 0.6:.1f} Q{cx} {cy + r * 0.78:.1f} {cx - r * 0.8:.1f} {cy + r * 0.6:.1f} Z" '
        f'fill="#FBFBF5"/>',
        f'<circle cx="{cx}" cy="{cy}" r="{r * 0.5:.1f}" fill="#FFFFFF"/>',
        f'<text x="{cx}" y="{cy - r * 0.08:.1f}" font-family="DejaVu Sans, sans-serif" '
        f'font-weight="bold" font-size="{r * 0.34:.1f}" text-anchor="middle" '
        f'fill="{colour}">{letter}</text>',
        f'<text x="{cx}" y="{cy + r * 0.36:.1f}" font-family="DejaVu Sans, sans-serif" '
        f'font-weight="bold" font-size="{r * 0.42:.1f}" text-anchor="middle" '
        f'fill="#1A1A1A">{number}</text>',
        # shading over the whole ball: light from the upper left, a bright spot
        f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#round)"/>',
        f'<ellipse cx="{cx - r * 0.42:.1f}" cy="{cy - r * 0.5:.1f}" rx="{r * 0.26:.1f}" '
        f'ry="{r * 0.16:.1f}" fill="#FFFFFF" fill-opacity="0.85" '
        f'transform="rotate(-35 {cx - r * 0.42:.1f} {cy - r * 0.5:.1f})"/>',
    ])


def table():
    x, y, w, h = SHOT
    out = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="url(#wood)"/>']
    # grain: long, slightly wavy darker streaks across the boards
    for i, gy in enumerate(range(y + 6, y + h, 9)):
        wob = 2.5 if i % 2 else -2
        out.append(f'<path d="M{x} {gy} Q{x + w * 0.35:.0f} {gy + wob} {x + w * 0.6:.0f} {gy} '
                   f'T{x + w} {gy + wob / 2}" fill="none" stroke="#6B3A16" '
                   f'stroke-opacity="0.22" stroke-width="0.9"/>')
    # the joint between two boards
    out.append(f'<path d="M{x} {y + 74} H{x + w}" stroke="#4A2510" stroke-opacity="0.45" '
               f'stroke-width="1"/>')
    return "\n".join(out)


def main():
    px, py, pw, ph = PAPER
    sx, sy, sw, sh = SHOT
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- About box picture for Zandor Bingo, drawn for this project (CC0 1.0).',
        '     Generated by tools/assets/make-pictures-about.py; edit that, not this file. -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
        f'viewBox="0 0 {W} {H}">',
        '<defs>',
        '<filter id="soft" x="-0.5" y="-0.5" width="2" height="2">'
        '<feGaussianBlur stdDeviation="1.8"/></filter>',
        '<filter id="paper-shadow" x="-0.2" y="-0.2" width="1.4" height="1.4">'
        '<feGaussianBlur stdDeviation="2"/></filter>',
        f'<clipPath id="shot"><rect x="{sx}" y="{sy}" width="{sw}" height="{sh}"/></clipPath>',
        '<linearGradient id="wood" x1="0" y1="0" x2="0.3" y2="1">',
        '<stop offset="0" stop-color="#C07A3E"/><stop offset="0.5" stop-color="#A9642C"/>',
        '<stop offset="1" stop-color="#7E4519"/>',
        '</linearGradient>',
        # the lens darkens the corners and a lamp lights the middle
        '<radialGradient id="vignette" cx="0.45" cy="0.4" r="0.75">',
        '<stop offset="0" stop-color="#FFE9B0" stop-opacity="0.25"/>',
        '<stop offset="0.55" stop-color="#000000" stop-opacity="0"/>',
        '<stop offset="1" stop-color="#000000" stop-opacity="0.5"/>',
        '</radialGradient>',
        '<radialGradient id="round" cx="0.35" cy="0.3" r="0.75">',
        '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.25"/>',
        '<stop offset="0.6" stop-color="#000000" stop-opacity="0"/>',
        '<stop offset="1" stop-color="#000000" stop-opacity="0.45"/>',
        '</radialGradient>',
        '<linearGradient id="bottle" x1="0" y1="0" x2="1" y2="0">',
        '<stop offset="0" stop-color="#E9E9F2"/><stop offset="0.35" stop-color="#FFFFFF"/>',
        '<stop offset="1" stop-color="#9C9CB0"/>',
        '</linearGradient>',
        '<linearGradient id="label" x1="0" y1="0" x2="1" y2="0">',
        '<stop offset="0" stop-color="#3A6FD8"/><stop offset="0.35" stop-color="#5C8EF0"/>',
        '<stop offset="1" stop-color="#1E3E8C"/>',
        '</linearGradient>',
        '<linearGradient id="cap" x1="0" y1="0" x2="1" y2="0">',
        '<stop offset="0" stop-color="#D81B7A"/><stop offset="0.3" stop-color="#FF4FA8"/>',
        '<stop offset="1" stop-color="#8C0E4E"/>',
        '</linearGradient>',
        '<linearGradient id="sheen" x1="0" y1="0" x2="1" y2="1">',
        '<stop offset="0" stop-color="#FFFFFF" stop-opacity="0.22"/>',
        '<stop offset="0.4" stop-color="#FFFFFF" stop-opacity="0"/>',
        '</linearGradient>',
        '</defs>',
        f'<rect width="{W}" height="{H}" fill="{GREY}"/>',
        # the photo lies on the grey with a soft shadow under it
        f'<rect x="{px + 2}" y="{py + 3}" width="{pw}" height="{ph}" fill="#000000" '
        f'fill-opacity="0.45" filter="url(#paper-shadow)"/>',
        f'<rect x="{px}" y="{py}" width="{pw}" height="{ph}" fill="#FBFAF4" '
        f'stroke="#D6D3C8" stroke-width="0.6"/>',
        '<g clip-path="url(#shot)">',
        table(),
        card(),
        dauber(103, 24),
        ball(36, 118, 14, "#1E64D0", "B", "7"),
        ball(68, 128, 12.5, "#E53935", "N", "38"),
        ball(97, 111, 13, "#2E9E4A", "G", "52"),
        f'<rect x="{sx}" y="{sy}" width="{sw}" height="{sh}" fill="url(#vignette)"/>',
        '</g>',
        f'<rect x="{sx}" y="{sy}" width="{sw}" height="{sh}" fill="none" stroke="#3A2A1A" '
        f'stroke-opacity="0.5" stroke-width="0.6"/>',
        # a note in pen on the wide bottom margin
        f'<text x="{px + pw / 2}" y="{py + ph - 7}" font-family="DejaVu Serif, serif" '
        f'font-style="italic" font-size="9.5" text-anchor="middle" fill="#2A3F8F" '
        f'transform="rotate(-2 {px + pw / 2} {py + ph - 7})">Bingo night!</text>',
        # gloss over the print
        f'<rect x="{px}" y="{py}" width="{pw}" height="{ph}" fill="url(#sheen)"/>',
        '</svg>',
    ]
    write_svg("about.svg", parts)


if __name__ == "__main__":
    main()
