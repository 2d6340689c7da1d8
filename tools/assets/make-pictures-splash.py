#!/usr/bin/env python3
"""Writes assets/pictures/src/splash.svg, the splash window's whole 600 x 400 content.

White ground, the title in large purple italic letters, and a row of cartoon
creatures above and below it: square heads, spiky hair, each its own colour
and face. Every creature is drawn by creature() from the one line that
describes it in TOP and BOTTOM.
"""
import math

from svg_source import write_svg

W, H = 600, 400
INK = "#2B1B3A"            # outlines

# (centre x, feet y, scale, tilt in degrees, skin, hair, eyes, mouth, arms, extra)
TOP = [
    (60, 156, 1.0, -6, "#FF5A4E", "#FFD93B", "happy", "grin", "up", "ears"),
    (158, 150, 0.94, 4, "#FFB020", "#7A3EC8", "round", "o", "out", ""),
    (254, 158, 1.04, -2, "#38C172", "#FF5A4E", "wink", "tongue", "wave", "antenna"),
    (350, 150, 0.96, 5, "#2EA8F0", "#FF8A3D", "big", "smile", "down", "ears"),
    (446, 156, 1.0, -4, "#F266B3", "#5B2A86", "sleepy", "smirk", "out", ""),
    (542, 150, 0.94, 6, "#A8D83A", "#2E6FE0", "cyclops", "teeth", "up", "antenna"),
]
BOTTOM = [
    (60, 394, 1.0, 5, "#FFD93B", "#E53935", "round", "teeth", "wave", "antenna"),
    (158, 390, 0.94, -5, "#8C6CF0", "#38C172", "happy", "tongue", "up", "ears"),
    (256, 396, 1.04, 3, "#FF8A3D", "#1B2F80", "cross", "grin", "out", ""),
    (352, 390, 0.94, -4, "#22C6B8", "#F266B3", "big", "o", "up", ""),
    (448, 394, 1.0, 4, "#FF4F7B", "#FFB020", "wink", "fang", "wave", "ears"),
    (543, 390, 0.92, -6, "#5B8DEF", "#A8D83A", "sideways", "smile", "down", "antenna"),
]

HEAD_W, HEAD_H = 64, 56    # the square head, in a creature's own units
BODY_H, LEG_H = 22, 10


def darker(colour, f=0.72):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#{:02X}{:02X}{:02X}".format(int(r * f), int(g * f), int(b * f))


def lighter(colour, f=0.45):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#{:02X}{:02X}{:02X}".format(*(int(c + (255 - c) * f) for c in (r, g, b)))


def spikes(seed, hair):
    """Spiky hair: a zigzag over the head's top edge, tips of uneven height."""
    n = 5 + seed % 3
    left, right = -HEAD_W / 2 - 2, HEAD_W / 2 + 2
    top_of_head = -HEAD_H / 2
    pts = [(left, top_of_head + 10)]
    for i in range(n):
        x0 = left + (right - left) * i / n
        x1 = left + (right - left) * (i + 0.5) / n
        lean = ((i * 7 + seed * 3) % 5 - 2) * 2.2
        tall = 14 + ((i * 5 + seed * 11) % 4) * 3.5
        pts.append((x0, top_of_head + 4))
        pts.append((x1 + lean, top_of_head - tall))
    pts.append((right, top_of_head + 4))
    pts.append((right, top_of_head + 10))
    d = " ".join(f"{x:.1f},{y:.1f}" for x, y in pts)
    return (f'<polygon points="{d}" fill="{hair}" stroke="{INK}" stroke-width="3" '
            f'stroke-linejoin="round"/>')


def eyes(kind):
    y, dx = -6, 13
    white = f'fill="#FFFFFF" stroke="{INK}" stroke-width="2.2"'
    out = []

    def open_eye(x, r=8, px=0.0, py=1.0):
        out.append(f'<ellipse cx="{x}" cy="{y}" rx="{r * 0.85:.1f}" ry="{r}" {white}/>')
        out.append(f'<circle cx="{x + px:.1f}" cy="{y + py:.1f}" r="{r * 0.45:.1f}" fill="{INK}"/>')
        out.append(f'<circle cx="{x + px - r * 0.18:.1f}" cy="{y + py - r * 0.22:.1f}" '
                   f'r="{r * 0.16:.1f}" fill="#FFFFFF"/>')

    def shut_eye(x, up=True):
        d = f"M{x - 7} {y + 2} Q{x} {y - 8} {x + 7} {y + 2}" if up else \
            f"M{x - 7} {y - 1} Q{x} {y + 6} {x + 7} {y - 1}"
        out.append(f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="3" '
                   f'stroke-linecap="round"/>')

    if kind == "round":
        open_eye(-dx), open_eye(dx)
    elif kind == "happy":
        shut_eye(-dx), shut_eye(dx)
    elif kind == "wink":
        open_eye(-dx), shut_eye(dx)
    elif kind == "big":
        open_eye(-dx, 10, 0, 2), open_eye(dx, 10, 0, 2)
        for x in (-dx, dx):   # raised brows: surprised
            out.append(f'<path d="M{x - 7} {y - 16} Q{x} {y - 21} {x + 7} {y - 16}" fill="none" '
                       f'stroke="{INK}" stroke-width="2.6" stroke-linecap="round"/>')
    elif kind == "sleepy":
        for x in (-dx, dx):
            out.append(f'<path d="M{x - 7} {y} A7 7 0 0 0 {x + 7} {y} Z" {white}/>')
            out.append(f'<circle cx="{x}" cy="{y + 2.5}" r="2.8" fill="{INK}"/>')
            out.append(f'<path d="M{x - 8} {y} H{x + 8}" stroke="{INK}" stroke-width="2.6" '
                       f'stroke-linecap="round"/>')
    elif kind == "cyclops":
        open_eye(0, 13, 2, 2)
    elif kind == "cross":
        open_eye(-dx, 7, 3, 1), open_eye(dx, 7, -3, 1)
        for x, s in ((-dx, 1), (dx, -1)):   # frowning brows, cheeky rather than cross
            out.append(f'<path d="M{x - 7 * s} {y - 15} L{x + 6 * s} {y - 11}" '
                       f'stroke="{INK}" stroke-width="3" stroke-linecap="round"/>')
    elif kind == "sideways":
        open_eye(-dx, 8, -3.5, 0), open_eye(dx, 8, -3.5, 0)
    return "\n".join(out)


def mouth(kind, skin):
    y = 13
    stroke = f'stroke="{INK}" stroke-width="2.6" stroke-linejoin="round" stroke-linecap="round"'
    line = stroke.replace('"2.6"', '"3"')
    if kind == "grin":
        return "\n".join([
            f'<path d="M-15 {y - 3} Q0 {y - 1} 15 {y - 3} Q13 {y + 14} 0 {y + 14} '
            f'Q-13 {y + 14} -15 {y - 3} Z" fill="#7A1020" {stroke}/>',
            f'<path d="M-12 {y - 2.4} Q0 {y - 0.6} 12 {y - 2.4} L11 {y + 2} Q0 {y + 3.4} -11 {y + 2} Z" '
            f'fill="#FFFFFF"/>',
            f'<ellipse cx="2" cy="{y + 10}" rx="7" ry="3.4" fill="#FF6F8E"/>',
        ])
    if kind == "smile":
        return f'<path d="M-12 {y} Q0 {y + 11} 12 {y}" fill="none" {line}/>'
    if kind == "o":
        return (f'<ellipse cx="0" cy="{y + 4}" rx="6" ry="7.5" fill="#7A1020" {stroke}/>'
                f'<ellipse cx="0" cy="{y + 8}" rx="3.5" ry="2.2" fill="#FF6F8E"/>')
    if kind == "tongue":
        return "\n".join([
            f'<path d="M-6 {y + 4} V{y + 12} Q0 {y + 19} 6 {y + 12} V{y + 4} Z" '
            f'fill="#FF6F8E" {stroke}/>',
            f'<path d="M0 {y + 6} V{y + 12}" stroke="#D9466A" stroke-width="1.6"/>',
            f'<path d="M-13 {y} Q0 {y + 10} 13 {y}" fill="none" {line}/>',
        ])
    if kind == "teeth":
        teeth = "".join(f'<path d="M{x} {y - 1} V{y + 9}" stroke="{INK}" stroke-width="1.4"/>'
                        for x in (-6, 0, 6))
        return (f'<rect x="-13" y="{y - 2}" width="26" height="12" rx="4" fill="#FFFFFF" '
                f'{stroke}/><path d="M-13 {y + 4} H13" stroke="{INK}" stroke-width="1.4"/>'
                + teeth)
    if kind == "smirk":
        return (f'<path d="M-11 {y + 3} Q2 {y + 8} 12 {y - 2}" fill="none" {line}/>')
    if kind == "fang":
        return "\n".join([
            f'<path d="M-13 {y - 1} Q0 {y + 16} 13 {y - 1} Z" fill="#7A1020" {stroke}/>',
            f'<path d="M-9 {y + 0.5} L-6.5 {y + 6} L-4 {y + 1.5} Z" fill="#FFFFFF"/>',
            f'<path d="M9 {y + 0.5} L6.5 {y + 6} L4 {y + 1.5} Z" fill="#FFFFFF"/>',
        ])
    return ""


def arms(pose, skin):
    sx, sy = HEAD_W / 2 - 14, HEAD_H / 2 + 7      # shoulders
    ends = {
        "up": ((-sx - 30, sy - 34), (sx + 30, sy - 34)),
        "out": ((-sx - 22, sy + 2), (sx + 22, sy + 2)),
        "down": ((-sx - 9, sy + 20), (sx + 9, sy + 20)),
        "wave": ((-sx - 10, sy + 19), (sx + 30, sy - 36)),
    }[pose]
    out = []
    for (ex, ey), side in zip(ends, (-1, 1)):
        x0 = side * sx
        mx, my = (x0 + ex) / 2 + side * 4, (sy + ey) / 2 + 3
        d = f"M{x0} {sy} Q{mx} {my} {ex} {ey}"
        out.append(f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="9" '
                   f'stroke-linecap="round"/>')
        out.append(f'<path d="{d}" fill="none" stroke="{skin}" stroke-width="4.6" '
                   f'stroke-linecap="round"/>')
        out.append(f'<circle cx="{ex}" cy="{ey}" r="5" fill="{skin}" stroke="{INK}" '
                   f'stroke-width="2.4"/>')
    return "\n".join(out)


def creature(index, cx, feet, scale, tilt, skin, hair, eye_kind, mouth_kind, pose, extra):
    shade, light = darker(skin), lighter(skin)
    # Local units: the head's centre at 0,0; the feet at HEAD_H / 2 + BODY_H + LEG_H.
    foot = HEAD_H / 2 + BODY_H + LEG_H
    top = HEAD_H / 2
    parts = [
        f'<g transform="translate({cx} {feet}) scale({scale}) rotate({tilt} 0 {-foot / 2:.1f}) '
        f'translate(0 {-foot})">',
        # legs and feet
        f'<path d="M-9 {top + BODY_H - 2} V{foot - 3} M9 {top + BODY_H - 2} V{foot - 3}" '
        f'stroke="{INK}" stroke-width="6" stroke-linecap="round"/>',
        f'<ellipse cx="-12" cy="{foot - 2}" rx="9" ry="4.5" fill="{shade}" stroke="{INK}" '
        f'stroke-width="2.4"/>',
        f'<ellipse cx="12" cy="{foot - 2}" rx="9" ry="4.5" fill="{shade}" stroke="{INK}" '
        f'stroke-width="2.4"/>',
        arms(pose, skin),
        # body: a rounded box a little narrower than the head
        f'<rect x="-20" y="{top - 4}" width="40" height="{BODY_H + 4}" rx="9" fill="{shade}" '
        f'stroke="{INK}" stroke-width="3"/>',
        f'<rect x="-9" y="{top + 4}" width="18" height="{BODY_H - 8}" rx="5" fill="{light}" '
        f'fill-opacity="0.7"/>',
    ]
    if extra == "antenna":
        parts += [
            f'<path d="M6 {-top - 10} Q10 {-top - 26} 20 {-top - 30}" fill="none" '
            f'stroke="{INK}" stroke-width="2.6" stroke-linecap="round"/>',
            f'<circle cx="20" cy="{-top - 30}" r="4.5" fill="#FFE34D" stroke="{INK}" '
            f'stroke-width="2.2"/>',
        ]
    if extra == "ears":
        for s in (-1, 1):
            parts.append(f'<circle cx="{s * (HEAD_W / 2 + 2)}" cy="2" r="8" fill="{shade}" '
                         f'stroke="{INK}" stroke-width="3"/>')
    parts += [
        spikes(index, hair),
        # the square head, shaded on its right and lit at its top left
        f'<rect x="{-HEAD_W / 2}" y="{-top}" width="{HEAD_W}" height="{HEAD_H}" rx="9" '
        f'fill="{skin}"/>',
        f'<path d="M{HEAD_W / 2 - 12} {-top + 1} H{HEAD_W / 2 - 9} Q{HEAD_W / 2 - 1} {-top + 1} '
        f'{HEAD_W / 2 - 1} {-top + 9} V{top - 9} Q{HEAD_W / 2 - 1} {top - 1} {HEAD_W / 2 - 9} '
        f'{top - 1} H{HEAD_W / 2 - 12} Z" fill="{shade}" fill-opacity="0.55"/>',
        f'<rect x="{-HEAD_W / 2 + 5}" y="{-top + 5}" width="14" height="6" rx="3" '
        f'fill="#FFFFFF" fill-opacity="0.55"/>',
        f'<rect x="{-HEAD_W / 2}" y="{-top}" width="{HEAD_W}" height="{HEAD_H}" rx="9" '
        f'fill="none" stroke="{INK}" stroke-width="3.2"/>',
        # the fringe falling over the forehead
        f'<path d="M-18 {-top - 1} L-12 {-top + 7} L-6 {-top - 1} L0 {-top + 8} L6 {-top - 1} '
        f'L12 {-top + 6} L17 {-top - 1} Z" fill="{hair}" stroke="{INK}" stroke-width="2" '
        f'stroke-linejoin="round"/>',
        # cheeks
        '<ellipse cx="-21" cy="9" rx="5.5" ry="3.5" fill="#FF4F7B" fill-opacity="0.35"/>',
        '<ellipse cx="21" cy="9" rx="5.5" ry="3.5" fill="#FF4F7B" fill-opacity="0.35"/>',
        eyes(eye_kind),
        mouth(mouth_kind, skin),
        '</g>',
    ]
    shadow = (f'<ellipse cx="{cx}" cy="{feet - 1}" rx="{34 * scale:.1f}" ry="{5 * scale:.1f}" '
              f'fill="#2B1B3A" fill-opacity="0.12"/>')
    return shadow + "\n" + "\n".join(parts)


def confetti():
    """A light sprinkle of stars and dots around the title."""
    colours = ["#FF5A4E", "#FFB020", "#38C172", "#2EA8F0", "#F266B3", "#8C6CF0", "#FFD93B"]
    out = []
    spots = [(28, 196), (70, 250), (110, 182), (492, 178), (540, 246), (578, 200),
             (300, 172), (40, 226), (566, 174), (520, 268), (84, 276), (300, 284)]
    for i, (x, y) in enumerate(spots):
        c = colours[i % len(colours)]
        if i % 3 == 0:
            pts = []
            for k in range(10):
                r = 7 if k % 2 == 0 else 3
                a = -math.pi / 2 + k * math.pi / 5
                pts.append(f"{x + r * math.cos(a):.1f},{y + r * math.sin(a):.1f}")
            out.append(f'<polygon points="{" ".join(pts)}" fill="{c}"/>')
        elif i % 3 == 1:
            out.append(f'<circle cx="{x}" cy="{y}" r="4" fill="{c}"/>')
        else:
            out.append(f'<rect x="{x - 5}" y="{y - 2}" width="10" height="4" rx="2" fill="{c}" '
                       f'transform="rotate({(i * 37) % 180} {x} {y})"/>')
    return "\n".join(out)


def title():
    text = "Zandor Bingo"
    common = ('x="300" y="238" font-family="DejaVu Serif, serif" font-style="italic" '
              'font-weight="bold" font-size="70" text-anchor="middle"')
    return "\n".join([
        # a soft lilac drop shadow, a thick dark outline, then the purple letters with a
        # lighter top half
        f'<text {common} dx="4" dy="4" fill="#D9C6F2" stroke="#D9C6F2" stroke-width="8" '
        f'stroke-linejoin="round">{text}</text>',
        f'<text {common} fill="none" stroke="#3A0A5C" stroke-width="8" '
        f'stroke-linejoin="round">{text}</text>',
        f'<text {common} fill="url(#purple)">{text}</text>',
    ])


def main():
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<!-- Splash picture for Zandor Bingo, drawn for this project (CC0 1.0).',
        '     Generated by tools/assets/make-pictures-splash.py; edit that, not this file. -->',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
        f'viewBox="0 0 {W} {H}">',
        '<defs>',
        '<linearGradient id="purple" x1="0" y1="0" x2="0" y2="1">',
        '<stop offset="0" stop-color="#B35CE8"/><stop offset="0.5" stop-color="#8E2DC8"/>',
        '<stop offset="1" stop-color="#5E1494"/>',
        '</linearGradient>',
        '</defs>',
        f'<rect width="{W}" height="{H}" fill="#FFFFFF"/>',
        confetti(),
        title(),
    ]
    for i, c in enumerate(TOP + BOTTOM):
        parts.append(creature(i, *c))
    parts.append('</svg>')
    write_svg("splash.svg", parts)


if __name__ == "__main__":
    main()
