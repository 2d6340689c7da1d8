#!/usr/bin/env python3
"""Zandor Bingo's main window at Qt scale factors 1 and 2, and under a dark desktop theme, on a
private X display with a window manager.

Usage: scale-screenshots.py <path to zandor-bingo>

At scale 1 and 2 the controls sit at the design's twips times the scale and the pictures are
drawn pixel for pixel. Under GTK's dark Adwaita theme the window looks as without it; with the
background unreadable, its light face.
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import Session, expect, picture, run_steps  # noqa: E402

WHITE, YELLOW, LIGHT_BLUE, LIGHT_YELLOW = 0xFFFFFF, 0xFFFF00, 0x8080FF, 0xFFFF80
FACE = 0xEFEFEF  # the window's light face
GTK_THEME_PLUGIN = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqgtk3.so"
PICTURE_CORNER = (580, 325, 676, 440)  # the bingo balls, which no control covers
SCORES_BUTTON = [(420, 300), (6600, 240)]  # in Frame1; 555 twips square, a 32-pixel icon
# Controls found by their colour near their designed place: the twips of each container on the
# way down from the client area, then the control's width and height.
CONTROLS = [
    ("Frame1", LIGHT_BLUE, [(420, 300)], (7935, 915)),
    ("CalledNumberDisplay", YELLOW, [(420, 300), (4020, 240)], (915, 555)),
    ("ScoreBoard", LIGHT_YELLOW, [(420, 1440)], (7935, 2175)),
    ("Label1(75)", WHITE, [(420, 1440), (660 + 480 * 14, 240 + 360 * 4)], (375, 255)),
    ("Frame2", LIGHT_YELLOW, [(8640, 240)], (1455, 3135)),
    ("Frame3", LIGHT_YELLOW, [(8640, 3660)], (1455, 1095)),
]
PICTURE_LIMIT = 1.0  # mean difference (0-255) of a picture drawn pixel for pixel
ICON_LIMIT = 4.0  # the same for an icon, which may be drawn from SVG at run time


def px(twips):
    return (twips + 7) // 15


def design_rect(offsets, size, scale):
    """Device-pixel rectangle (left, top, right, bottom) of a control, client-relative."""
    left = sum(px(x) for x, _ in offsets) * scale
    top = sum(px(y) for _, y in offsets) * scale
    return left, top, left + px(size[0]) * scale, top + px(size[1]) * scale


def mean_difference(pairs):
    """Mean RGB difference (0-255) over pairs of 0xRRGGBB pixels."""
    total = count = 0
    for a, b in pairs:
        total += sum(abs(((a or 0) >> s & 0xFF) - ((b or 0) >> s & 0xFF)) for s in (16, 8, 0))
        count += 3
    return total / max(count, 1)


def png_pixels(path, area=None):
    """{(x, y): 0xRRGGBB} of a PNG's opaque pixels within area (all of it by default)."""
    colours, alpha = picture(path), picture(path, "-alpha", "extract")
    left, top, right, bottom = area or (0, 0, colours.width, colours.height)
    return {(x, y): colours.pixel(x, y) for y in range(top, bottom) for x in range(left, right)
            if alpha.pixel(x, y) == 0xFFFFFF}


class Window:
    """A screenshot of the main window, read in client-area coordinates."""

    def __init__(self, session, name):
        self.shot = session.shot(path=os.path.join(session.tmp, name))
        self.top = session.menu_height

    def pixel(self, x, y):
        return self.shot.pixel(x, y + self.top)

    def bounds(self, colour, rect, margin):
        """Bounding box of the colour within rect grown by margin, or None."""
        found = [(x, y) for y in range(rect[1] - margin, rect[3] + margin)
                 for x in range(rect[0] - margin, rect[2] + margin) if self.pixel(x, y) == colour]
        if not found:
            return None
        xs, ys = [x for x, _ in found], [y for _, y in found]
        return min(xs), min(ys), max(xs) + 1, max(ys) + 1

    def drawn_from(self, png, origin, area=None):
        """Mean difference between the window at origin and the PNG's opaque pixels."""
        return mean_difference((self.pixel(origin[0] + x, origin[1] + y), value)
                               for (x, y), value in png_pixels(png, area).items())


def close(s):
    s._run(["wmctrl", "-i", "-c", str(s.main)])
    code = s.wait_exit(15)
    expect(code == 0, f"the program ended with code {code}:\n" + s.program_output())


def check_scale(s, scale):
    s.start_program(scale=scale)
    window = Window(s, f"scale-{scale}.png")
    for name, colour, offsets, size in CONTROLS:
        want = design_rect(offsets, size, scale)
        got = window.bounds(colour, want, 5 * scale)
        expect(got is not None and all(abs(a - b) <= 1 + scale for a, b in zip(got, want)),
               f"at scale {scale} {name} is at {got}, not {want} (left, top, right, bottom)")

    pictures, suffix = os.path.join(s.folder, "pictures"), "@2x" if scale == 2 else ""
    corner = tuple(v * scale for v in PICTURE_CORNER)
    off = window.drawn_from(os.path.join(pictures, f"background{suffix}.png"), (0, 0), corner)
    expect(off <= PICTURE_LIMIT, f"at scale {scale} the background is not drawn pixel for pixel "
           f"from background{suffix}.png (mean difference {off:.1f})")
    button = design_rect(SCORES_BUTTON, (555, 555), scale)
    inset = (button[2] - button[0] - 32 * scale) // 2  # the icon is centred, give or take
    icon = os.path.join(pictures, f"scores{suffix}.png")
    off = min(window.drawn_from(icon, (button[0] + inset + dx, button[1] + inset + dy))
              for dx in range(-2, 3) for dy in range(-2, 3))
    expect(off <= ICON_LIMIT, f"at scale {scale} the High Scores icon is not drawn pixel for "
           f"pixel like scores{suffix}.png (mean difference {off:.1f})")
    close(s)
    return window


def check_dark_theme(s, light):
    expect(os.path.exists(GTK_THEME_PLUGIN), "Qt's gtk3 platform theme is not installed "
           "(qt6-gtk-platformtheme; scripts/install-deps.sh installs it)")
    for name in ("background.png", "background@2x.png"):
        with open(os.path.join(s.folder, "pictures", name), "r+b") as picture:
            picture.truncate(100)
    s.start_program(extra_env={"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"},
                    scale=2)
    dark = Window(s, "dark.png")
    expect((dark.shot.width, dark.top) == (light.shot.width, light.top),
           "under a dark theme the window or its menu bar has another size")
    width, bottom = dark.shot.width, dark.shot.height - dark.top
    regions = {"the menu bar": (0, -dark.top, width, 0),
               "the status bar (the clock left out)": (0, bottom - 36, width // 2, bottom)}
    regions.update({name: design_rect(offsets, size, 2)
                    for name, _, offsets, size in CONTROLS if name.startswith("Frame")})
    for name, (x0, y0, x1, y1) in regions.items():
        off = mean_difference((dark.pixel(x, y), light.pixel(x, y))
                              for y in range(y0, y1) for x in range(x0, x1))
        expect(off < 0.5, f"under a dark theme {name} looks different (mean difference "
               f"{off:.1f})")
    seen = dark.pixel(1240, 800)
    expect(seen == FACE, f"with the background picture unreadable the window shows {seen:06X} "
           f"where it was, not its face {FACE:06X}")
    close(s)


def check(binary):
    with Session(binary, 1700, 1400) as s:
        check_scale(s, 1)
        check_dark_theme(s, check_scale(s, 2))


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [check]))
