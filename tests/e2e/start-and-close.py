#!/usr/bin/env python3
"""Starts and closes Zandor Bingo like a player, on a private X display with a window manager.

Usage: start-and-close.py <path to zandor-bingo>

1. The splash shows centred, then the main window at the place stored in the settings; closing
   it with a balance that earns a place asks for a name: typed, Enter stores it, Enter closes,
   and the program ends with MYGAME.INI holding the entry and the settings the window's place.
2. File, Exit with a balance that earns no place ends the program without any dialog.
3. A read-only program folder (an installed copy): MYGAME.INI is read from and written to the
   per-user data folder, and nothing is written beside the program.
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import re
import stat
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Failure, Session, run_steps  # noqa: E402

LOW_TABLE = "[HiScores]\n" + "".join(f"Score{i}={10 - i};Low {i}\n" for i in range(1, 6))


def expect(condition, reason):
    if not condition:
        raise Failure(reason)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(text)


def read(path):
    with open(path) as f:
        return f.read()


def settings_path(s):
    return os.path.join(s.env["XDG_CONFIG_HOME"], "Zandor Bingo", "Zandor Bingo.conf")


def stored_place(s):
    text = read(settings_path(s))
    return {key: float(value) for key, value in
            re.findall(r"^(Main\w+)=(\S+)$", text, re.MULTILINE)}


def enter_name_and_close(s, name):
    """Answers the high-score dialog: the name, Enter to store it, Enter to close."""
    dialog = s.wait_dialog(10)
    expect(s.title(dialog) == "PembyBingo", f"the dialog is titled {s.title(dialog)!r}")
    s.keys(dialog, *list(name.replace(" ", "")))
    s.keys(dialog, "Return")
    expect(s.running(), "the program ended before the entry dialog was closed")
    s.keys(dialog, "Return")


def stored_place_and_entry(binary):
    s = Session(binary)
    try:
        write(settings_path(s), "[Settings]\nMainLeft=3000\nMainTop=2400\n"
              "MainWidth=11250\nMainHeight=9000\n")
        write(os.path.join(s.folder, "MYGAME.INI"), LOW_TABLE)
        s.start_program()
        expect(s.splash_frame is not None, "no splash showed before the main window")
        left, top, width, height = s.splash_frame
        expect((width, height) == (604, 414), f"the splash is {width} x {height}, not 604 x 414")
        expect(abs(left + width / 2 - 640) <= 1 and abs(top + height / 2 - 512) <= 1,
               f"the splash is not centred: {s.splash_frame}")
        frame = Session._wait(lambda: (lambda f: f if f[2:] == (750, 600) else None)(
            s.frame(s.main)), 5, f"the main window's frame is {s.frame(s.main)}, "
                                 "not 750 x 600 as stored")
        expect(frame[:2] == (200, 160), f"the main window is at {frame[:2]}, not (200, 160)")
        print(f"splash {s.splash_frame}, then the main window at {frame}")

        s._run(["wmctrl", "-i", "-c", hex(s.main)])
        enter_name_and_close(s, "Tester")
        code = s.wait_exit(10)
        expect(code == 0, f"the program ended with code {code}\n" + s.program_output())
        table = read(os.path.join(s.folder, "MYGAME.INI"))
        expect("Score1=60;Tester" in table, f"the entry was not stored:\n{table}")
        place = stored_place(s)
        expect(place == {"MainLeft": 3000, "MainTop": 2400, "MainWidth": 11250,
                         "MainHeight": 9000}, f"the settings hold {place}")
        print("closed with $60 on a low table: entry stored, place saved")
    finally:
        s.close()


def file_exit_without_place(binary):
    s = Session(binary)
    try:
        s.start_program()
        s.keys(s.main, "alt+f", "x")
        code = s.wait_exit(5)
        expect(code == 0, f"File, Exit ended the program with code {code}\n"
               + s.program_output())
        expect(not os.path.exists(os.path.join(s.folder, "MYGAME.INI")),
               "a balance that earns no place wrote MYGAME.INI")
        place = stored_place(s)
        expect(set(place) == {"MainLeft", "MainTop", "MainWidth", "MainHeight"},
               f"the settings hold {place}")
        print(f"File, Exit with $60 on the default table: no dialog, place saved {place}")
    finally:
        s.close()


def read_only_program_folder(binary):
    s = Session(binary)
    try:
        data_ini = os.path.join(s.env["XDG_DATA_HOME"], "Zandor Bingo", "Zandor Bingo",
                                "MYGAME.INI")
        write(data_ini, LOW_TABLE)
        os.chmod(s.folder, stat.S_IRUSR | stat.S_IXUSR | stat.S_IRGRP | stat.S_IXGRP)
        s.start_program()
        s._run(["wmctrl", "-i", "-c", hex(s.main)])
        enter_name_and_close(s, "Reader")
        code = s.wait_exit(10)
        expect(code == 0, f"the program ended with code {code}\n" + s.program_output())
        expect("Score1=60;Reader" in read(data_ini),
               f"the entry is not in the per-user file:\n{read(data_ini)}")
        expect(not os.path.exists(os.path.join(s.folder, "MYGAME.INI")),
               "MYGAME.INI was written into the read-only program folder")
        print("read-only program folder: the entry went to the per-user data folder")
    finally:
        os.chmod(s.folder, stat.S_IRWXU)
        s.close()


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [stored_place_and_entry, file_exit_without_place,
                                 read_only_program_folder]))
