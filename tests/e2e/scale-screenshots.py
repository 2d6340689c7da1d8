#!/usr/bin/env python3
"""Zandor Bingo's main window at Qt scale factors 1 and 2, and under a dark desktop theme, on a
private X display with a window manager.

Usage: scale-screenshots.py <path to zandor-bingo>

1. At scale 1 and 2 the frames, the called-number display and scoreboard cells sit at the
   design's twips (15 to a pixel, times the scale) from the client area's corner; the background
   picture and the High Scores button's icon are drawn pixel for pixel at the screen's
   resolution, not scaled up; and the scale-2 window halved looks like the scale-1 window.
2. Under GTK's dark Adwaita theme (Qt's gtk3 platform theme), at scale 2, the menu bar, the
   status bar and the frames with their option buttons, check box and slider look as they do
   without a theme; with the background picture unreadable, the window shows its light face
   where it was.
The scale-2 screenshot is left in <temporary folder>/zandor-scale-screenshots/ to look at.
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Failure, Session, run_steps  # noqa: E402

WHITE, RED, YELLOW = 0xFFFFFF, 0xFF0000, 0xFFFF00
LIGHT_BLUE, LIGHT_YELLOW = 0x8080FF, 0xFFFF80
FACE = 0xEFEFEF  # the window's light face
GTK_THEME_PLUGIN = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqgtk3.so"
# Picture1 and, inside it, the bingo balls' corner that no control covers (pixels at scale 1).
PICTURE = (0, 0, 681, 445)
PICTURE_CORNER = (580, 325, 676, 440)
SCORES_BUTTON = ((420, 300), (6600, 240), 555)  # Frame1, then the button in it; its side
ICON = 32
# Controls found by their colour near their designed place: the twips of each container on the
# way down from the client area, then the control's width and height.
CONTROLS = [
    ("Frame1", LIGHT_BLUE, [(420, 300)], (7935, 915)),
    ("CalledNumberDisplay", YELLOW, [(420, 300), (4020, 240)], (915, 555)),
    ("ScoreBoard", LIGHT_YELLOW, [(420, 1440)], (7935, 2175)),
    ("Label2(0), the board's B", RED, [(420, 1440), (180, 240)], (375, 255)),
    ("Label1(1)", WHITE, [(420, 1440), (660, 240)], (375, 255)),
    ("Label1(75)", WHITE, [(420, 1440), (660 + 480 * 14, 240 + 360 * 4)], (375, 255)),
    ("Frame2", LIGHT_YELLOW, [(8640, 240)], (1455, 3135)),
    ("Frame3", LIGHT_YELLOW, [(8640, 3660)], (1455, 1095)),
]
# Halved scale 2 against scale 1, both softened a little: text is drawn afresh at each scale and
# the pictures are dithered afresh at each size (about 0.033 here; 0.087 with everything two
# pixels off).
RMSE_LIMIT = 0.05
PICTURE_LIMIT = 1.0  # mean difference (0-255) of a picture drawn pixel for pixel
ICON_LIMIT = 4.0  # the same for the icon, drawn from SVG at run time


def expect(condition, reason):
    if not condition:
        raise Failure(reason)


def px(twips):
    return (twips + 7) // 15


def design_rect(offsets, size, scale):
    """Device-pixel rectangle (left, top, right, bottom) of a control, client-relative."""
    left = sum(px(x) for x, _ in offsets) * scale
    top = sum(px(y) for _, y in offsets) * scale
    return left, top, left + px(size[0]) * scale, top + px(size[1]) * scale


class Window:
    """A screenshot of the main window, read in client-area coordinates."""

    def __init__(self, session, path):
        self.s = session
        self.path = path
        self.shot = session.shot(path=path)
        self.top = session.menu_height

    def pixel(self, x, y):
        return self.shot.pixel(x, y + self.top)

    def bounds(self, colour, rect, margin):
        """Bounding box of the colour within rect grown by margin, or None."""
        left, top, right, bottom = rect
        xs, ys = [], []
        for y in range(top - margin, bottom + margin):
            for x in range(left - margin, right + margin):
                if self.pixel(x, y) == colour:
                    xs.append(x)
                    ys.append(y)
        return (min(xs), min(ys), max(xs) + 1, max(ys) + 1) if xs else None

    def crop(self, rect, path):
        left, top, right, bottom = rect
        subprocess.run(["convert", self.path, "-crop",
                        f"{right - left}x{bottom - top}+{left}+{top + self.top}", "+repage",
                        path], check=True)
        return path


def rgba(path):
    """(width, height, RGBA bytes) of a PNG."""
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True,
                          text=True, check=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], capture_output=True,
                         check=True).stdout
    return int(size[0]), int(size[1]), raw


def mean_difference(window, png, origin, area=None):
    """Mean RGB difference between the window's pixels at origin and the PNG's opaque pixels
    (within area of the PNG, all of it by default)."""
    width, height, raw = rgba(png)
    left, top, right, bottom = area or (0, 0, width, height)
    total = count = 0
    for y in range(top, bottom):
        for x in range(left, right):
            i = (y * width + x) * 4
            if raw[i + 3] != 255:
                continue
            seen = window.pixel(origin[0] + x, origin[1] + y) or 0
            total += sum(abs(((seen >> shift) & 0xFF) - raw[i + k])
                         for k, shift in enumerate((16, 8, 0)))
            count += 3
    return total / max(count, 1)


def close(s):
    s._run(["wmctrl", "-i", "-c", str(s.main)])
    code = s.wait_exit(15)
    expect(code == 0, f"the program ended with code {code}:\n" + s.program_output())


def check_scale(s, scale):
    s.start_program(scale=scale)
    window = Window(s, os.path.join(s.tmp, f"scale-{scale}.png"))
    tolerance = 1 + scale
    for name, colour, offsets, size in CONTROLS:
        want = design_rect(offsets, size, scale)
        got = window.bounds(colour, want, 5 * scale)
        expect(got is not None and all(abs(a - b) <= tolerance for a, b in zip(got, want)),
               f"at scale {scale} {name} is at {got}, not {want} (left, top, right, bottom)")

    pictures = os.path.join(s.folder, "pictures")
    suffix = "@2x" if scale == 2 else ""
    corner = tuple(v * scale for v in PICTURE_CORNER)
    off = mean_difference(window, os.path.join(pictures, f"background{suffix}.png"), (0, 0),
                          corner)
    expect(off <= PICTURE_LIMIT, f"at scale {scale} the background is not drawn pixel for pixel "
           f"from background{suffix}.png (mean difference {off:.1f})")
    button = design_rect(SCORES_BUTTON[:2], (SCORES_BUTTON[2], SCORES_BUTTON[2]), scale)
    icon = os.path.join(pictures, f"scores{suffix}.png")
    inset = (button[2] - button[0] - ICON * scale) // 2
    off = min(mean_difference(window, icon, (button[0] + inset + dx, button[1] + inset + dy))
              for dx in range(-2, 3) for dy in range(-2, 3))
    expect(off <= ICON_LIMIT, f"at scale {scale} the High Scores icon does not match "
           f"scores{suffix}.png pixel for pixel (mean difference {off:.1f})")
    print(f"scale {scale}: controls in place; background and icon drawn pixel for pixel "
          f"(icon mean difference {off:.1f})")
    close(s)
    return window


def compare_scales(s, one, two):
    small = os.path.join(s.tmp, "scale-2-halved.png")
    large = os.path.join(s.tmp, "scale-1-softened.png")
    subprocess.run(["convert", two.crop(tuple(v * 2 for v in PICTURE), small), "-resize", "50%",
                    "-blur", "0x1", small], check=True)
    subprocess.run(["convert", one.crop(PICTURE, large), "-blur", "0x1", large], check=True)
    result = subprocess.run(["compare", "-metric", "RMSE", large, small, "null:"],
                            capture_output=True, text=True)
    rmse = float(result.stderr.split("(")[1].split(")")[0])
    print(f"RMSE of the scale-2 window halved against scale 1: {rmse:.4f}")
    expect(rmse <= RMSE_LIMIT, f"the scale-2 window halved differs from the scale-1 window "
           f"(RMSE {rmse:.4f}, limit {RMSE_LIMIT})")
    kept = os.path.join(tempfile.gettempdir(), "zandor-scale-screenshots")
    os.makedirs(kept, exist_ok=True)
    shutil.copy(two.path, os.path.join(kept, "scale-2.png"))
    print(f"scale-2 screenshot: {os.path.join(kept, 'scale-2.png')}")


def region_difference(one, other, rect):
    """Mean RGB difference (0-255) of two windows' pixels in rect, client-relative."""
    left, top, right, bottom = rect
    total = 0
    for y in range(top, bottom):
        for x in range(left, right):
            a, b = one.pixel(x, y) or 0, other.pixel(x, y) or 0
            total += sum(abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF))
                         for shift in (16, 8, 0))
    return total / max(3 * (right - left) * (bottom - top), 1)


def check_dark_theme(s, light):
    """At scale 2, against the same window without a theme."""
    expect(os.path.exists(GTK_THEME_PLUGIN), "Qt's gtk3 platform theme is not installed "
           "(qt6-gtk-platformtheme; scripts/install-deps.sh installs it)")
    for name in ("background.png", "background@2x.png"):
        with open(os.path.join(s.folder, "pictures", name), "r+b") as picture:
            picture.truncate(100)
    scale = 2
    s.start_program(extra_env={"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"},
                    scale=scale)
    dark = Window(s, os.path.join(s.tmp, "dark.png"))
    expect(dark.shot.width == light.shot.width and dark.top == light.top,
           "under a dark theme the window or its menu bar has another size")
    width, bottom = dark.shot.width, dark.shot.height - dark.top
    status = 18 * scale
    regions = {
        "the menu bar": (0, -dark.top, width, 0),
        "the status bar (the clock left out)": (0, bottom - status, width // 2, bottom),
    }
    for name, colour, offsets, size in CONTROLS:
        if name.startswith("Frame"):  # the frames with the option buttons, check box, slider
            regions[name] = design_rect(offsets, size, scale)
    for name, rect in regions.items():
        off = region_difference(dark, light, rect)
        expect(off < 0.5, f"under a dark theme {name} looks different (mean difference "
               f"{off:.1f})")
    seen = dark.pixel(620 * scale, 400 * scale)
    expect(seen == FACE, f"with the background picture unreadable the window shows {seen:06X} "
           f"where it was, not its face {FACE:06X}")
    print("dark theme: the menu bar, status bar and frames look as without it")
    close(s)


def check(binary):
    s = Session(binary, 1700, 1400)
    try:
        one = check_scale(s, 1)
        two = check_scale(s, 2)
        compare_scales(s, one, two)
        check_dark_theme(s, two)
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [check]))
