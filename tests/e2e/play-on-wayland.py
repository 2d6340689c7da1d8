#!/usr/bin/env python3
"""Plays Zandor Bingo natively on Wayland: weston with its X11 backend on a private X display,
the program on weston's socket, driven with xdotool through weston's window.

Usage: play-on-wayland.py <path to zandor-bingo>

One game, then File, Exit with a balance that earns a place: the name is stored, the place an
X11 session stored is kept (Wayland tells no place) and the size written. Exits 77 (skipped)
when Xvfb or weston is missing or weston cannot start.
"""
import importlib.util
import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "support"))
from xsession import (LOW_TABLE, Failure, Session, expect, read,  # noqa: E402
                      run_steps, settings_path, write)


def script(name):
    """Another end-to-end script of this folder, for its helpers."""
    path = os.path.join(HERE, name)
    spec = importlib.util.spec_from_file_location(name.replace("-", "_")[:-3], path)
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


Player = script("play-game.py").Player

SOCKET = "wayland-zandor"  # inside the session's private runtime folder
LIGHT_BLUE = 0x8080FF  # Frame1, 28 pixels right of and 20 below the client area's corner


class OffsetShot:
    """A shot of weston's window read in the program's client coordinates."""

    def __init__(self, shot, origin):
        self.shot, self.origin = shot, origin

    def pixel(self, x, y):
        return self.shot.pixel(x + self.origin[0], y + self.origin[1])


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
                print("SKIP: weston could not start on the test's X display:\n"
                      + log.read()[-1500:])
                sys.exit(77)
            time.sleep(0.1)
        self.weston = self._weston_window()
        # Weston follows the pointer only once it has entered its window, which lies at the
        # display's top left: the pointer comes in from the far corner.
        self._run(["xdotool", "mousemove", "1279", "1023"])
        self.main = None  # every window of the program is inside weston's
        self.menu_height = 0  # client coordinates come from the origin found in start_program

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
        self.origin = self._wait(self._client_origin, 20, "the main window never showed")

    def _client_origin(self):
        if not self.running():
            raise Failure(f"the program ended with code {self.app.returncode}:\n"
                          + self.program_output())
        shot = super().shot(self.weston)
        for y in range(shot.height - 10):
            row = [x for x in range(shot.width) if shot.pixel(x, y + 10) == LIGHT_BLUE]
            if row and shot.pixel(row[0], y) == LIGHT_BLUE:
                return row[0] - 28, y - 20
        return None

    def shot(self, window=None, path=None):
        return OffsetShot(super().shot(self.weston, path), self.origin)

    def click(self, x, y, window=None):
        self._run(["xdotool", "mousemove", "--window", str(self.weston),
                   str(x + self.origin[0]), str(y + self.origin[1])])
        self._run(["xdotool", "click", "1"])

    def keys(self, window, *keys):
        self._run(["xdotool", "windowfocus", "--sync", str(self.weston)])
        self._run(["xdotool", "key", "--delay", "60", *keys])


def play_and_close(binary):
    s = WaylandSession(binary)
    try:
        s.start_weston()
        # The place an X11 session stored; no size yet.
        write(settings_path(s), "[Settings]\nMainLeft=3000\nMainTop=2400\n")
        write(os.path.join(s.folder, "MYGAME.INI"), LOW_TABLE)
        s.start_program()
        p = Player(s)
        start = s.shot()
        p.set_speed("Home")
        p.buy(1)
        Session._wait(lambda: p.card_shown(s.shot(), "GAME1"), 5,
                      "no card showed after buying one")
        p.start()

        def over():  # the announcement answered and the card put away
            s.keys(None, "Return")
            return p.card_hidden(s.shot(), start, "GAME1")

        Session._wait(over, 30, "the game did not end with its announcement answered", 0.5)
        s.click(10, 10)  # the keyboard back in the main window, on its background
        s.keys(None, "alt+f", "x")
        time.sleep(3)  # the high-score dialog comes up
        s.keys(None, *list("Wayland"))
        s.keys(None, "Return")
        expect(s.running(), "the program ended before the entry dialog was closed")

        def ended():  # Return on OK, once the dialog listens again
            s.keys(None, "Return")
            return not s.running()

        Session._wait(ended, 10, "the program was still running 10 s after the entry", 1)
        code = s.wait_exit(1)
        expect(code == 0, f"the program ended with code {code}\n" + s.program_output())
        table = read(os.path.join(s.folder, "MYGAME.INI"))
        expect(";Wayland" in table and "=60;Wayland" not in table,
               f"no entry for a played game was stored:\n{table}")
        stored = read(settings_path(s))
        expect("MainLeft=3000\n" in stored and "MainTop=2400\n" in stored,
               f"the place stored under X11 was changed:\n{stored}")
        expect("MainWidth=" in stored and "MainHeight=" in stored,
               f"the size was not written:\n{stored}")
        print("played and closed on weston: entry stored, place kept, size written")
    finally:
        s.close()


if __name__ == "__main__":
    if len(sys.argv) == 2 and shutil.which("weston") is None:
        print("SKIP: weston is not installed")
        sys.exit(77)
    sys.exit(run_steps(__doc__, [play_and_close]))
