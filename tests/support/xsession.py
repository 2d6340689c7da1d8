"""A private X display with a window manager for running Zandor Bingo as a player would.

Shared by the end-to-end, accessibility and package tests and the screenshot script: starts
Xvfb and openbox, starts the program from a copy in a temporary folder with its own home and no
sound server, finds its windows, clicks, types and reads pixels. Everything started here is
stopped by close(). Also where the scripts find the stored settings.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TITLES = "^(Zandor Bingo|The Winners Card|PembyBingo)$"


class Failure(Exception):
    pass


class Skip(Exception):
    """Something the test needs cannot run on this machine."""


# A high-score table that any balance above $9 beats.
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


def picture(*convert_args):
    """A picture file, with any ImageMagick operations after it, as a Shot."""
    ppm = subprocess.run(["convert", *convert_args, "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    _, size, _, raw = ppm.split(b"\n", 3)  # convert writes "P6\nW H\n255\n" and the pixels
    width, height = (int(n) for n in size.split())
    return Shot(width, height, raw)


def run_steps(doc, steps, arguments=1):
    """The command line of a test script: runs each step(*arguments) in turn and returns the
    exit code (0 passed, 1 failed, 2 usage, 77 skipped)."""
    if len(sys.argv) != arguments + 1:
        print(doc)
        return 2
    try:
        if shutil.which("Xvfb") is None:
            raise Skip("Xvfb is not installed")
        for step in steps:
            step(*sys.argv[1:])
    except Skip as skip:
        print(f"SKIP: {skip}")
        return 77
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    print("PASS")
    return 0


class Session:
    def __init__(self, binary, width=1280, height=1024, installed=False):
        """binary: the program, copied with its data into a temporary folder and run from
        there, or, when installed, run where it lies."""
        self.tmp = tempfile.mkdtemp(prefix="zandor-e2e-")
        self.procs = []
        self.app = None
        self.shot_index = 0
        try:
            self._set_up(binary, width, height, installed)
        except BaseException:
            self.close()  # nothing started is left running
            raise

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def _set_up(self, binary, width, height, installed):
        self.display = self._start_xvfb(width, height)
        self.env = self._environment()
        self._start_window_manager()
        if installed:
            self.binary, self.folder = binary, os.path.dirname(binary)
            return
        self.folder = os.path.join(self.tmp, "app")
        os.makedirs(self.folder)
        shutil.copy2(binary, self.folder)
        self.binary = os.path.join(self.folder, os.path.basename(binary))
        for data in ("sounds", "pictures"):
            source = os.path.join(os.path.dirname(os.path.abspath(binary)), data)
            if not os.path.isdir(source):
                raise Failure(f"{source} is missing beside the program")
            shutil.copytree(source, os.path.join(self.folder, data))

    # --- processes -------------------------------------------------------------------------

    def _start_window_manager(self):
        # Now and then openbox does not come up on a display just made; a second start does.
        for attempt in (1, 2):
            openbox = self._spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
            try:
                self._wait(lambda: self._run(["wmctrl", "-m"], check=False).returncode == 0,
                           10, "openbox did not come up")
                return
            except Failure:
                if attempt == 2:
                    raise
                os.killpg(openbox.pid, signal.SIGKILL)

    def _start_xvfb(self, width, height):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                     f"{width}x{height}x24", "-nolisten", "tcp"],
                    pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:  # Xvfb writes its display's number once it is up
            number = pipe.readline().strip()
        expect(number, "Xvfb exited before reporting its display")
        return ":" + number

    def _environment(self):
        env = dict(os.environ)
        for name in ("PULSE_SERVER", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                     "SESSION_MANAGER", "DBUS_SESSION_BUS_ADDRESS",
                     # the pixel positions the scripts read are those of scale 1 unless asked
                     "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"):
            env.pop(name, None)
        home = os.path.join(self.tmp, "home")
        for sub in ("", "config", "data", "runtime"):
            os.makedirs(os.path.join(home, sub), mode=0o700, exist_ok=True)
        client_conf = os.path.join(home, "pulse-client.conf")
        with open(client_conf, "w") as conf:
            conf.write("autospawn = no\n")
        here = os.path.dirname(os.path.abspath(__file__))
        lsan = env.get("LSAN_OPTIONS", "")
        env.update({
            "DISPLAY": self.display,
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, "config"),
            "XDG_DATA_HOME": os.path.join(home, "data"),
            "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
            "PULSE_CLIENTCONFIG": client_conf,
            "QT_QPA_PLATFORM": "xcb",
            # A print server that does not exist: no test prints on the machine's printer. A
            # test with a print server of its own passes it to start_program().
            "CUPS_SERVER": os.path.join(self.tmp, "no-print-server"),
            # Only for sanitizer builds: X and D-Bus libraries keep allocations for life.
            "LSAN_OPTIONS": (lsan + ":" if lsan else "")
            + "suppressions=" + os.path.join(here, "lsan.supp"),
        })
        return env

    def _spawn(self, argv, **kwargs):
        kwargs.setdefault("env", getattr(self, "env", None))
        proc = subprocess.Popen(argv, start_new_session=True, **kwargs)
        self.procs.append(proc)
        return proc

    def _run(self, argv, check=True, timeout=20):
        env = self.env if hasattr(self, "env") else dict(os.environ, DISPLAY=self.display)
        try:
            result = subprocess.run(argv, env=env, capture_output=True, text=True,
                                    timeout=timeout)
        except subprocess.TimeoutExpired:
            state = "" if self.app is None or self.running() else " (the program has ended)"
            raise Failure(f"{' '.join(argv)} hung for {timeout} s{state}")
        if check and result.returncode != 0:
            raise Failure(f"{' '.join(argv)} failed: {result.stderr.strip()}")
        return result

    @staticmethod
    def _wait(condition, seconds, reason, step=0.05):
        deadline = time.time() + seconds
        while time.time() < deadline:
            value = condition()
            if value:
                return value
            time.sleep(step)
        raise Failure(reason)

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

    # --- the program -----------------------------------------------------------------------

    def start_program(self, extra_env=None, scale=1, arguments=()):
        """Starts the program and returns its main window's id once it shows.

        extra_env: variables added to the program's environment (CUPS_SERVER, for one).
        scale: Qt's scale factor; window positions in device pixels grow with it."""
        self.log = open(os.path.join(self.tmp, f"program-{len(self.procs)}.log"), "w+")
        self.splash_frame = None
        self.scale = scale
        env = dict(self.env, **(extra_env or {}))
        if scale != 1:
            env["QT_SCALE_FACTOR"] = str(scale)
        self.app = self._spawn([self.binary, *arguments], cwd=self.folder, stdout=self.log,
                               stderr=subprocess.STDOUT, env=env)
        self.main = self._wait(self._main_window, 20, "the main window did not appear")
        # The window is drawn when the control panel shows.
        self._wait(lambda: self._menu_height_or_none(), 10, "the main window was never drawn")
        self.menu_height = self._menu_height_or_none()
        return self.main

    def _main_window(self):
        """The main window once it shows; notes the splash's frame if it is seen meanwhile."""
        found = []
        for window in self._find_windows("^Zandor Bingo$"):
            kind = self._run(["xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE"], check=False)
            if kind.returncode != 0:
                continue  # gone since the search: the splash closing as the main window shows
            if "_NET_WM_WINDOW_TYPE_SPLASH" not in kind.stdout:
                found.append(window)
            elif self.splash_frame is None:
                self.splash_frame = self.frame(window)
        return found[0] if found else None

    def client_area(self, window):
        """The window's client area on the screen, without the frame: (left, top, width,
        height)."""
        info = self._run(["xwininfo", "-id", str(window)]).stdout
        value = {line.split(":")[0].strip(): line.split(":")[1].strip()
                 for line in info.splitlines() if ":" in line}
        return (int(value["Absolute upper-left X"]), int(value["Absolute upper-left Y"]),
                int(value["Width"]), int(value["Height"]))

    def frame(self, window):
        """The window's outer frame on the screen: (left, top, width, height)."""
        x, y, w, h = self.client_area(window)
        extents = self._run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"],
                            check=False).stdout
        left, right, top, bottom = ([int(n) for n in extents.split("=")[1].split(",")]
                                    if "=" in extents else (0, 0, 0, 0))
        return x - left, y - top, w + left + right, h + top + bottom

    def program_output(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()[-2000:]

    def wait_exit(self, seconds):
        try:
            return self.app.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program was still running {seconds} s after being closed")

    def running(self):
        return self.app.poll() is None

    def _find_windows(self, title):
        result = self._run(["xdotool", "search", "--onlyvisible", "--name", title], check=False)
        return [int(line) for line in result.stdout.split()]

    def dialogs(self):
        return [w for w in self._find_windows(TITLES) if w != self.main]

    def wait_dialog(self, seconds):
        def found():
            if not self.running():
                raise Failure(f"the program ended with code {self.app.returncode}:\n"
                              + self.program_output())
            return self.dialogs()

        return self._wait(found, seconds, f"no announcement appeared within {seconds} s")[0]

    def prop(self, window, name, *options):
        return self._run(["xprop", "-id", str(window), *options, name], check=False).stdout.strip()

    def title(self, window):
        return self._run(["xdotool", "getwindowname", str(window)]).stdout.strip()

    # --- input -----------------------------------------------------------------------------

    def click(self, x, y, window=None, times=1):
        """Clicks at client coordinates (below the menu bar) of the main window; twice in
        quick succession is a double-click."""
        self._run(["xdotool", "mousemove", "--window", str(window or self.main), str(x),
                   str(y + self.menu_height), "click", "--repeat", str(times), "1"])

    def keys(self, window, *keys):
        self._run(["xdotool", "windowactivate", "--sync", str(window)], check=False)
        self._run(["xdotool", "key", "--delay", "60", *keys])

    # --- pixels ----------------------------------------------------------------------------

    def shot(self, window=None, path=None):
        """Captures a window; returns (width, height, rgb bytes)."""
        if path is None:
            self.shot_index += 1
            path = os.path.join(self.tmp, f"shot-{self.shot_index}.png")
        self._run(["import", "-window", str(window or self.main), path])
        return picture(path)

    def _menu_height_or_none(self):
        try:
            picture = self.shot()
        except (Failure, subprocess.CalledProcessError):
            return None
        # Frame1 (light blue) starts 20 pixels (times the scale) below the top of the client
        # area, 28 from its left.
        scale = getattr(self, "scale", 1)
        x, top = round(29 * scale), round(20 * scale)
        for y in range(picture.height):
            if picture.pixel(x, y) == 0x8080FF:
                return y - top if y >= top else None
        return None


class Shot:
    def __init__(self, width, height, raw):
        self.width, self.height, self.raw = width, height, raw

    def rgb(self, x, y):
        """The pixel's red, green and blue, or None outside the picture."""
        if not (0 <= x < self.width and 0 <= y < self.height):
            return None
        i = (y * self.width + x) * 3
        return tuple(self.raw[i:i + 3])

    def pixel(self, x, y):
        """The pixel as 0xRRGGBB, or None outside the picture."""
        rgb = self.rgb(x, y)
        return rgb and (rgb[0] << 16) | (rgb[1] << 8) | rgb[2]


def settings_path(s):
    return os.path.join(s.env["XDG_CONFIG_HOME"], "Zandor Bingo", "Zandor Bingo.conf")


def stored_place(s):
    """The window's place and size in the settings, as numbers by key."""
    return {key: float(value) for key, value in
            re.findall(r"^(Main\w+)=(\S+)$", read(settings_path(s)), re.MULTILINE)}

