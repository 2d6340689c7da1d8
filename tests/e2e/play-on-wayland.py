#!/usr/bin/env python3
"""Runs Zandor Bingo natively on Wayland: weston with its X11 backend on a private X display,
the program on weston's socket, driven with xdotool through weston's window.

Usage: play-on-wayland.py <path to zandor-bingo>

The window shows; File, Exit ends the program with code 0, keeping the place an X11 session
stored (Wayland tells no place) and writing the size. Exits 77 (skipped) when Xvfb or weston
is missing or weston cannot start.
"""
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import (Failure, Session, Skip, expect, read, run_steps,  # noqa: E402
                      settings_path, write)

SOCKET = "wayland-zandor"  # inside the session's private runtime folder
LIGHT_BLUE = bytes((0x80, 0x80, 0xFF))  # Frame1's colour: the window is drawn


class WaylandSession(Session):
    """The harness's display, with weston on it and the program on weston."""

    def _start_window_manager(self):
        pass  # weston is the only window on the display: no X window manager grabs its clicks

    def start_weston(self):
        log = open(os.path.join(self.tmp, "weston.log"), "w+")
        weston = self._spawn(["weston", "--backend=x11-backend.so", f"--socket={SOCKET}",
                              "--width=1024", "--height=768", "--idle-time=0", "--no-config"],
                             stdout=log, stderr=subprocess.STDOUT)
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], SOCKET)
        deadline = time.time() + 15
        while not (os.path.exists(socket) and self._weston_window()):
            if weston.poll() is not None or time.time() > deadline:
                log.seek(0)
                raise Skip(f"weston could not start on the test's X display:\n{log.read()[-1500:]}")
            time.sleep(0.1)
        self.weston = self._weston_window()
        # X's focus goes to weston now, before any client: weston takes the keyboard from its
        # windows on each change of X's focus and does not always give it back.
        self._run(["xdotool", "windowfocus", "--sync", str(self.weston)])

    def _weston_window(self):
        found = self._run(["xdotool", "search", "--class", "^weston"], check=False).stdout
        return int(found.split()[0]) if found else None

    def start_program(self):
        self.log = open(os.path.join(self.tmp, "program.log"), "w+")
        env = dict(self.env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=SOCKET)
        env.pop("DISPLAY")  # nothing of the program goes to X
        # Only for sanitizer builds: Qt's Wayland plugin, EGL and xkbcommon keep their
        # allocations for the life of the process; the other tests look for the program's leaks.
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
        self.app = self._spawn([self.binary], cwd=self.folder, stdout=self.log,
                               stderr=subprocess.STDOUT, env=env)
        self._wait(self._shown, 20, "the main window never showed")

    def _shown(self):
        if not self.running():
            raise Failure(f"the program ended with code {self.app.returncode}:\n"
                          + self.program_output())
        raw, i = self.shot(self.weston).raw, -1
        while (i := raw.find(LIGHT_BLUE, i + 1)) >= 0 and i % 3:
            pass  # a match across two pixels
        return i >= 0

    def keys(self, window, *keys):
        self._run(["xdotool", "key", "--delay", "60", *keys])


def close_keeps_the_place(binary):
    if shutil.which("weston") is None:
        raise Skip("weston is not installed")
    with WaylandSession(binary) as s:
        s.start_weston()
        # The place an X11 session stored; no size yet.
        write(settings_path(s), "[Settings]\nMainLeft=3000\nMainTop=2400\n")
        s.start_program()
        for _ in range(6):  # again while a slow (sanitizer) build does not yet take keys
            s.keys(None, "alt+f", "x")
            try:
                code = s.wait_exit(3)
                break
            except Failure:
                continue
        else:
            raise Failure("File, Exit did not end the program\n" + s.program_output())
        expect(code == 0, f"the program ended with code {code}\n" + s.program_output())
        stored = read(settings_path(s))
        expect("MainLeft=3000\n" in stored and "MainTop=2400\n" in stored,
               f"the place stored under X11 was changed:\n{stored}")
        expect("MainWidth=" in stored and "MainHeight=" in stored,
               f"the size was not written:\n{stored}")


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [close_keeps_the_place]))
