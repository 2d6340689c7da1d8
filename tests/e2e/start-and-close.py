#!/usr/bin/env python3
"""Starts and closes Zandor Bingo like a player, on a private X display with a window manager.

Usage: start-and-close.py <path to zandor-bingo>

The splash shows centred, then the main window at the place and size stored in the settings;
File, Exit with a balance that earns no place ends the program at once with code 0, without
any dialog, writing no high-score table and saving the window's place. (Closing with a balance
that earns a place is played by the package test's installed run and the Wayland run.)
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import (Session, expect, run_steps, settings_path,  # noqa: E402
                      stored_place, write)

STORED = {"MainLeft": 3000, "MainTop": 2400, "MainWidth": 11250, "MainHeight": 9000}


def stored_place_then_file_exit(binary):
    s = Session(binary)
    try:
        write(settings_path(s), "[Settings]\n" + "".join(f"{k}={v}\n" for k, v in STORED.items()))
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

        s.keys(s.main, "alt+f", "x")
        code = s.wait_exit(5)
        expect(code == 0, f"File, Exit ended the program with code {code}\n"
               + s.program_output())
        expect(not os.path.exists(os.path.join(s.folder, "MYGAME.INI")),
               "a balance that earns no place wrote MYGAME.INI")
        place = stored_place(s)
        expect(place == STORED, f"the settings hold {place}")
        print("File, Exit with $60 on the default table: no dialog, place saved")
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [stored_place_then_file_exit]))
