#!/usr/bin/env python3
"""Starts an installed Zandor Bingo the way its menu entry does, on a private X display.

Usage: installed-run.py DESKTOP_FILE PATH [--screenshot PNG]

DESKTOP_FILE  the installed .desktop file; its Exec line is run, the command looked up on PATH
PATH          the search path of a desktop session (for a tree installed under a DESTDIR, its
              games/ and bin/ folders)

Under a private Xvfb with a fresh home: the main window shows with the desktop file's WM_CLASS,
an icon and the installed background picture; closed with $60 on a low table, the name typed
in the high-score dialog is stored in the per-user data folder and nothing beside the program.
Prints PASS and exits 0, or prints FAIL: reason and exits 1.
"""
import os
import shlex
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import LOW_TABLE, NEEDED_TOOLS, Failure, Session  # noqa: E402

BACKGROUND = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets",
                          "pictures", "background.png")
BALLS = (580, 335, 670, 440)  # the background's bingo balls: left, top, right, bottom


def desktop_entry(path):
    entry, section = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                section = line
            elif section == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                entry.setdefault(key.strip(), value.strip())
    return entry


def rgb(path):
    """A picture's width, height and 8-bit RGB bytes (through ImageMagick's convert)."""
    size = subprocess.run(["convert", path, "-format", "%w %h", "info:"], capture_output=True,
                          text=True, check=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return int(size[0]), int(size[1]), raw


def shows_picture(shot, picture, region):
    """Whether the window's screenshot shows the picture's region at the picture's own pixels,
    somewhere below the menu bar: the share of the region's distinctive pixels (those not of
    its commonest colour) found, at the best offset."""
    sw, sh, spx = rgb(shot)
    pw, ph, ppx = rgb(picture)
    left, top, right, bottom = region
    pixels = {(x, y): ppx[(y * pw + x) * 3:(y * pw + x) * 3 + 3]
              for y in range(top, min(bottom, ph)) for x in range(left, min(right, pw))}
    commonest = max(set(pixels.values()), key=list(pixels.values()).count)
    samples = [(x, y, value) for (x, y), value in pixels.items() if value != commonest][::3]
    best = 0.0
    for dy in range(0, 80):
        for dx in range(0, 6):
            found = 0
            for x, y, value in samples:
                sx, sy = x + dx, y + dy
                if sx < sw and sy < sh:
                    i = (sy * sw + sx) * 3
                    found += all(abs(spx[i + k] - value[k]) <= 8 for k in range(3))
            best = max(best, found / len(samples))
    return best


def check(desktop_file, search_path, screenshot):
    entry = desktop_entry(desktop_file)
    argv = [word for word in shlex.split(entry.get("Exec", ""))
            if word not in ("%f", "%F", "%u", "%U")]
    if not argv:
        raise Failure(f"{desktop_file} has no Exec line")
    program = shutil.which(argv[0], path=search_path)
    if program is None:
        raise Failure(f"the Exec command {argv[0]!r} is not on the path {search_path}")
    print(f"Exec={entry['Exec']} runs {program}")

    s = Session(program, installed=True)
    try:
        s.env["PATH"] = search_path + os.pathsep + s.env["PATH"]
        table = os.path.join(s.env["XDG_DATA_HOME"], "Zandor Bingo", "Zandor Bingo",
                             "MYGAME.INI")
        os.makedirs(os.path.dirname(table))
        with open(table, "w") as f:
            f.write(LOW_TABLE)
        beside = set(os.listdir(s.folder))
        started = time.monotonic()
        window = s.start_program(arguments=argv[1:])
        print(f"main window 0x{window:x} after {time.monotonic() - started:.1f} s")
        wm_class = s.prop(window, "WM_CLASS")
        wm_instance = entry.get("StartupWMClass", "zandor-bingo")
        if f'"{wm_instance}", "Zandor Bingo"' not in wm_class:
            raise Failure(f"{wm_class}, not the desktop file's StartupWMClass {wm_instance}")
        pid = s.prop(window, "_NET_WM_PID")
        if not pid.endswith(f"= {s.app.pid}"):
            raise Failure(f"the window belongs to another process: {pid}")
        icon = s.prop(window, "_NET_WM_ICON", "-notype", "32c")
        sizes = icon.split("=", 1)[1].split(",")[:2] if "=" in icon else []
        if len(sizes) != 2:
            raise Failure("the main window has no icon")
        print(f"{wm_class}; icon {sizes[0].strip()}x{sizes[1].strip()} and others")

        # The pictures come from the installed data folder, found from the program's folder:
        # the bingo balls of the background picture show in the window's free corner.
        shot = os.path.join(s.tmp, "window.png")
        s._run(["import", "-window", str(window), shot])
        share = shows_picture(shot, BACKGROUND, BALLS)
        if share < 0.9:
            said = s.program_output().strip()
            raise Failure("the window does not show the background picture: the installed "
                          "pictures were not found"
                          + (f"; the program said:\n{said}" if said else ""))
        print(f"the background picture shows ({share:.0%} of the sampled pixels of its balls)")
        if screenshot:
            s._run(["import", "-window", "root", screenshot])
            print(f"screenshot {screenshot}")

        # Closed like the close box: $60 beats the table, so the high-score dialog asks.
        s._run(["wmctrl", "-i", "-c", hex(window)])
        dialog = s.wait_dialog(10)
        s.keys(dialog, *"Tester")
        s.keys(dialog, "Return")
        s.keys(dialog, "Return")
        code = s.wait_exit(10)
        if code != 0:
            raise Failure(f"the program ended with code {code}:\n{s.program_output()}")
        with open(table) as f:
            stored = f.read()
        if "Score1=60;Tester" not in stored:
            raise Failure(f"the entry is not in {table}:\n{stored}")
        if set(os.listdir(s.folder)) != beside:
            raise Failure(f"the program wrote into its own folder {s.folder}")
        print(f"closed: the entry went to {table.replace(s.env['HOME'], '~')}")
    finally:
        s.close()


def main():
    args = sys.argv[1:]
    screenshot = None
    if len(args) == 4 and args[2] == "--screenshot":
        screenshot = os.path.abspath(args[3])
        args = args[:2]
    if len(args) != 2:
        print(__doc__)
        return 2
    for tool in ("Xvfb",) + NEEDED_TOOLS:
        if shutil.which(tool) is None:
            print(f"FAIL: {tool} is not installed (scripts/install-deps.sh installs it)")
            return 1
    try:
        check(args[0], args[1], screenshot)
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
