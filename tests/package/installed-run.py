#!/usr/bin/env python3
"""Starts an installed Zandor Bingo the way its menu entry does, on a private X display.

Usage: installed-run.py DESKTOP_FILE PATH [--screenshot PNG]

DESKTOP_FILE  the installed .desktop file; its Exec line is run, the command looked up on PATH
PATH          the search path of a desktop session (for a tree installed under a DESTDIR, its
              games/ and bin/ folders)

Starts Xvfb and openbox, with a fresh home (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME,
XDG_RUNTIME_DIR, XDG_CACHE_HOME) and no sound server, then:
1. runs the Exec line; the main window (not the splash, which has the same title) must show
   within 20 s, titled "Zandor Bingo", with WM_CLASS "zandor-bingo" (the desktop file's
   StartupWMClass), "Zandor Bingo", a window icon, and the background picture (the bingo balls
   in its free corner, compared with assets/pictures/background.png): the program found its
   installed pictures, and so its sounds and help, which lie beside them;
2. with a high-score table in the per-user data folder that $60 beats, closes the window like
   the window manager's close box: the high-score dialog must ask for a name, which is typed
   and stored, and the program must end with code 0 having written the entry to
   $XDG_DATA_HOME/Zandor Bingo/Zandor Bingo/MYGAME.INI and nothing beside the program.
Prints PASS and exits 0, or prints FAIL: reason and exits 1.
"""
import os
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TOOLS = ("Xvfb", "openbox", "xdotool", "wmctrl", "xprop", "import", "convert")
BACKGROUND = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets",
                          "pictures", "background.png")
BALLS = (580, 335, 670, 440)  # the background's bingo balls: left, top, right, bottom
LOW_TABLE = "[HiScores]\n" + "".join(f"Score{i}={10 - i};Low {i}\n" for i in range(1, 6))


class Failure(Exception):
    pass


def wait_for(condition, seconds, reason, step=0.1):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    raise Failure(reason)


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


class Display:
    """Xvfb with openbox and a fresh home; close() stops everything it started."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="zandor-installed-")
        self.procs = []
        try:
            self.display = self._start_xvfb()
            self.env = self._environment()
            self._spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
            wait_for(lambda: self.run(["wmctrl", "-m"], check=False).returncode == 0, 15,
                     "openbox did not come up")
        except BaseException:
            self.close()
            raise

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                     "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL, env=dict(os.environ))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise Failure("Xvfb did not report its display")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise Failure("Xvfb ended before reporting its display")
            number += chunk
        os.close(read_end)
        return ":" + number.decode().strip()

    def _environment(self):
        env = {name: value for name, value in os.environ.items()
               if name in ("LANG", "LC_ALL", "LANGUAGE", "TZ", "USER", "LOGNAME", "SHELL")}
        home = os.path.join(self.tmp, "home")
        for sub in ("", ".config", ".local/share", ".cache", "runtime"):
            os.makedirs(os.path.join(home, sub), mode=0o700, exist_ok=True)
        client_conf = os.path.join(home, "pulse-client.conf")
        with open(client_conf, "w") as conf:
            conf.write("autospawn = no\n")  # no sound server: the game plays silently
        env.update({
            "DISPLAY": self.display,
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
            "PULSE_CLIENTCONFIG": client_conf,
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "QT_QPA_PLATFORM": "xcb",
        })
        return env

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("env", getattr(self, "env", None))
        proc = subprocess.Popen(argv, start_new_session=True, **kwargs)
        self.procs.append(proc)
        return proc

    def run(self, argv, check=True, timeout=20):
        try:
            result = subprocess.run(argv, env=self.env, capture_output=True, text=True,
                                    timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"{' '.join(argv)} hung for {timeout} s")
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed: {result.stderr.strip()}")
        return result

    def windows(self, title):
        found = self.run(["xdotool", "search", "--onlyvisible", "--name", title], check=False)
        return [int(word) for word in found.stdout.split()]

    def prop(self, window, name):
        return self.run(["xprop", "-id", str(window), name], check=False).stdout.strip()

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                try:
                    os.killpg(proc.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for proc in reversed(self.procs):
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)


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

    d = Display()
    try:
        d.env["PATH"] = search_path + os.pathsep + d.env["PATH"]
        table = os.path.join(d.env["XDG_DATA_HOME"], "Zandor Bingo", "Zandor Bingo",
                             "MYGAME.INI")
        os.makedirs(os.path.dirname(table))
        with open(table, "w") as f:
            f.write(LOW_TABLE)
        beside = set(os.listdir(os.path.dirname(program)))
        log = open(os.path.join(d.tmp, "program.log"), "w+")
        app = d._spawn([program] + argv[1:], cwd=d.env["HOME"], stdout=log,
                       stderr=subprocess.STDOUT)

        def output():
            log.flush()
            log.seek(0)
            return log.read()[-2000:]

        def main_window():
            if app.poll() is not None:
                raise Failure(f"the program ended with code {app.returncode}:\n{output()}")
            for window in d.windows("^Zandor Bingo$"):
                kind = d.prop(window, "_NET_WM_WINDOW_TYPE")
                if "_NET_WM_WINDOW_TYPE_SPLASH" not in kind and "not found" not in kind:
                    return window
            return None

        started = time.monotonic()
        window = wait_for(main_window, 20, "the main window did not appear within 20 s")
        print(f"main window 0x{window:x} after {time.monotonic() - started:.1f} s")
        wm_class = d.prop(window, "WM_CLASS")
        wm_instance = entry.get("StartupWMClass", "zandor-bingo")
        if f'"{wm_instance}", "Zandor Bingo"' not in wm_class:
            raise Failure(f"{wm_class}, not the desktop file's StartupWMClass {wm_instance}")
        pid = d.prop(window, "_NET_WM_PID")
        if not pid.endswith(f"= {app.pid}"):
            raise Failure(f"the window belongs to another process: {pid}")
        icon = d.run(["xprop", "-id", str(window), "-notype", "32c", "_NET_WM_ICON"],
                     check=False).stdout
        sizes = icon.split("=", 1)[1].split(",")[:2] if "=" in icon else []
        if len(sizes) != 2:
            raise Failure("the main window has no icon")
        print(f"{wm_class}; icon {sizes[0].strip()}x{sizes[1].strip()} and others")

        # The pictures come from the installed data folder, found from the program's folder:
        # the bingo balls of the background picture show in the window's free corner.
        shot = os.path.join(d.tmp, "window.png")

        def background_shown():
            d.run(["import", "-window", str(window), shot])
            share = shows_picture(shot, BACKGROUND, BALLS)
            return share if share >= 0.9 else None

        try:
            share = wait_for(background_shown, 10, "", step=0.5)
        except Failure:
            said = output().strip()
            raise Failure("the window does not show the background picture: the installed "
                          "pictures were not found"
                          + (f"; the program said:\n{said}" if said else ""))
        print(f"the background picture shows ({share:.0%} of the sampled pixels of its balls)")
        if screenshot:
            d.run(["import", "-window", "root", screenshot])
            print(f"screenshot {screenshot}")

        # Closed like the close box: $60 beats the table, so the high-score dialog asks.
        d.run(["wmctrl", "-i", "-c", hex(window)])
        dialog = wait_for(lambda: d.windows("^PembyBingo$"), 10,
                          "no high-score dialog appeared after closing")[0]
        for keys in (["T", "e", "s", "t", "e", "r"], ["Return"], ["Return"]):
            d.run(["xdotool", "windowactivate", "--sync", str(dialog)], check=False)
            d.run(["xdotool", "key", "--delay", "60", *keys])
            time.sleep(0.3)
        try:
            code = app.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure("the program was still running 10 s after its entry was stored")
        if code != 0:
            raise Failure(f"the program ended with code {code}:\n{output()}")
        with open(table) as f:
            stored = f.read()
        if "Score1=60;Tester" not in stored:
            raise Failure(f"the entry is not in {table}:\n{stored}")
        if set(os.listdir(os.path.dirname(program))) != beside:
            raise Failure(f"the program wrote into its own folder {os.path.dirname(program)}")
        print(f"closed: the entry went to {table.replace(d.env['HOME'], '~')}")
    finally:
        d.close()


def main():
    args = sys.argv[1:]
    screenshot = None
    if len(args) == 4 and args[2] == "--screenshot":
        screenshot = os.path.abspath(args[3])
        args = args[:2]
    if len(args) != 2:
        print(__doc__)
        return 2
    for tool in TOOLS:
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
