#!/usr/bin/env python3
"""Starts an installed Zandor Bingo the way its menu entry does, on a private X display.

Usage: installed-run.py DESKTOP_FILE PATH

DESKTOP_FILE  the installed .desktop file; its Exec line is run, the command looked up on PATH
PATH          the search path of a desktop session (for a tree installed under a DESTDIR, its
              games/ and bin/ folders)

Under a private Xvfb with a fresh home: the main window shows with the desktop file's WM_CLASS,
an icon and the installed background picture; closed with $60 on a low table, the name typed
in the high-score dialog is stored in the per-user data folder and nothing beside the program.
"""
import configparser
import os
import shlex
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import LOW_TABLE, Session, expect, picture, read, run_steps, write  # noqa: E402

BACKGROUND = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets",
                          "pictures", "background.png")
BALLS = (580, 335, 670, 440)  # the background's bingo balls, which no control covers


def background_shows(s):
    """The share of the balls' pixels that the window shows as the picture has them."""
    shot, balls = s.shot(), picture(BACKGROUND)
    left, top, right, bottom = BALLS
    same = [all(abs(a - b) <= 8 for a, b in zip(shot.rgb(x, y + s.menu_height), balls.rgb(x, y)))
            for y in range(top, bottom) for x in range(left, right)]
    return sum(same) / len(same)


def start_and_close(desktop_file, search_path):
    entry = configparser.ConfigParser(interpolation=None)
    entry.read(desktop_file, encoding="utf-8")
    entry = entry["Desktop Entry"]
    argv = [word for word in shlex.split(entry.get("Exec", "")) if not word.startswith("%")]
    expect(argv, f"{desktop_file} has no Exec line")
    program = shutil.which(argv[0], path=search_path)
    expect(program, f"the Exec command {argv[0]!r} is not on the path {search_path}")

    with Session(program, installed=True) as s:
        s.env["PATH"] = search_path + os.pathsep + s.env["PATH"]
        table = os.path.join(s.env["XDG_DATA_HOME"], "Zandor Bingo", "Zandor Bingo",
                             "MYGAME.INI")
        write(table, LOW_TABLE)
        beside = set(os.listdir(s.folder))
        window = s.start_program(arguments=argv[1:])
        wm_class = s.prop(window, "WM_CLASS")
        wm_instance = entry.get("StartupWMClass", "zandor-bingo")
        expect(f'"{wm_instance}", "Zandor Bingo"' in wm_class,
               f"{wm_class}, not the desktop file's StartupWMClass {wm_instance}")
        expect(s.prop(window, "_NET_WM_PID").endswith(f"= {s.app.pid}"),
               "the window belongs to another process")
        expect("=" in s.prop(window, "_NET_WM_ICON", "-notype", "32c"),
               "the main window has no icon")
        # The pictures come from the installed data folder, found from the program's folder.
        expect(background_shows(s) > 0.9, "the window does not show the background picture: "
               "the installed pictures were not found\n" + s.program_output())

        # Closed like the close box: $60 beats the table, so the high-score dialog asks.
        s._run(["wmctrl", "-i", "-c", hex(window)])
        dialog = s.wait_dialog(10)
        s.keys(dialog, *"Tester")
        s.keys(dialog, "Return")
        s.keys(dialog, "Return")
        code = s.wait_exit(10)
        expect(code == 0, f"the program ended with code {code}:\n{s.program_output()}")
        expect("Score1=60;Tester" in read(table), f"the entry is not in {table}")
        expect(set(os.listdir(s.folder)) == beside,
               f"the program wrote into its own folder {s.folder}")


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [start_and_close], arguments=2))
