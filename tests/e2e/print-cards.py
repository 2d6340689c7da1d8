#!/usr/bin/env python3
"""Prints Zandor Bingo cards from the real program under Xvfb and reads the page back.

Usage: print-cards.py <path to zandor-bingo>

No printer: with no print server the program saves the page as "Zandor Bingo cards *.pdf" in
the player's Documents folder and says so in a "Zandor Bingo" message box.
A real printer: a private CUPS server with a cups-pdf queue as the default printer; the printed
PDF holds one page with the window's picture.
Either page must show card 1 with its numbers and the two other card frames blank, every centre
cell red, and the rest of the window as it was on screen; afterwards the cards are cleared.

Exits 77 (skipped) when Xvfb is missing, or, after the no-printer case has passed, when a
private print server with a cups-pdf queue cannot be had here (no cupsd, no cups-pdf backend,
not root, no mount namespaces).
"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import Failure, Session, Shot  # noqa: E402

CARD_FRAMES = {"GAME1": (32, 256), "Game2": (216, 256), "Game3": (396, 256)}
# Parts of the window a print leaves as they were (client coordinates): the scoreboard, and the
# game type, caller speed and balls on the right. The control panel and status bar change.
UNCHANGED = [(28, 94, 558, 244), (574, 14, 676, 436)]
CUPS_PDF_CONF = "/etc/cups/cups-pdf.conf"
CUPS_PDF_PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
PRINTER = "TestPDF"
SOFTEN = "0x1.5"


class Skip(Exception):
    pass


def expect(condition, reason):
    if not condition:
        raise Failure(reason)


def run(argv, timeout=20):
    return subprocess.run(argv, capture_output=True, text=True, timeout=timeout)


def wait(condition, seconds, reason):
    return Session._wait(condition, seconds, reason, step=0.1)


# --- a private print server --------------------------------------------------------------


class PrintServer:
    """cupsd with its own configuration, spool, logs and socket in a temporary folder.

    cups-pdf reads its settings only from /etc/cups, so cupsd runs in its own mount namespace
    where a private cups-pdf.conf is bound over that file: the PDFs land in self.out and the
    machine's own files are never touched.
    """

    def __init__(self):
        for tool in ("cupsd", "lpadmin", "lpstat", "unshare"):
            if shutil.which(tool) is None:
                raise Skip(f"{tool} is not installed")
        if not os.path.exists("/usr/lib/cups/backend/cups-pdf") or not os.path.exists(
                CUPS_PDF_PPD) or not os.path.exists(CUPS_PDF_CONF):
            raise Skip("the cups-pdf backend is not installed")
        if os.geteuid() != 0:
            raise Skip("the cups-pdf backend needs a print server started as root")
        self.proc = None
        self.tmp = tempfile.mkdtemp(prefix="zandor-cups-")
        os.chmod(self.tmp, 0o755)  # the filters run as lp and must reach the spool
        folders = {name: os.path.join(self.tmp, name)
                   for name in ("etc", "state", "cache", "spool", "log", "out", "pdf-spool")}
        for folder in folders.values():
            os.makedirs(folder)
        os.makedirs(os.path.join(folders["spool"], "tmp"))
        self.socket = os.path.join(self.tmp, "cups.sock")
        self.out, self.logs = folders["out"], folders["log"]
        self.etc = folders["etc"]
        self._write("etc/cupsd.conf", f"""Listen {self.socket}
LogLevel debug
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
""")
        self._write("etc/cups-files.conf", f"""ServerRoot {folders['etc']}
StateDir {folders['state']}
CacheDir {folders['cache']}
RequestRoot {folders['spool']}
TempDir {folders['spool']}/tmp
ErrorLog {folders['log']}/error_log
AccessLog {folders['log']}/access_log
PageLog {folders['log']}/page_log
Printcap {self.tmp}/printcap
SystemGroup root
""")
        self._write("cups-pdf.conf", f"""Out {self.out}
AnonDirName {self.out}
Spool {folders['pdf-spool']}
Log {self.logs}
LogType 7
""")

    def _write(self, name, text):
        with open(os.path.join(self.tmp, name), "w") as out:
            out.write(text)

    def start(self):
        if run(["unshare", "--mount", "true"]).returncode != 0:
            raise Skip("no mount namespace for a private print server (needs root)")
        conf = os.path.join(self.tmp, "cups-pdf.conf")
        script = (f'mount --bind "{conf}" {CUPS_PDF_CONF} || exit 77; exec cupsd -f '
                  f'-c "{self.etc}/cupsd.conf" -s "{self.etc}/cups-files.conf"')
        self.console = open(os.path.join(self.logs, "console"), "w+")
        self.proc = subprocess.Popen(["unshare", "--mount", "--propagation", "private", "sh",
                                      "-c", script], stdout=self.console,
                                     stderr=subprocess.STDOUT, start_new_session=True)

        def up():
            if self.proc.poll() is not None:
                self.console.seek(0)
                said = self.console.read().strip()
                if self.proc.returncode == 77:
                    raise Skip(f"cannot bind a private cups-pdf.conf: {said}")
                raise Failure(f"the private print server ended at once: {said}")
            return os.path.exists(self.socket) and run(
                ["lpstat", "-h", self.socket, "-r"]).returncode == 0

        self._wait(up, 15, "the private print server did not come up")
        for argv in (["-p", PRINTER, "-E", "-v", "cups-pdf:/", "-P", CUPS_PDF_PPD],
                     ["-d", PRINTER]):
            result = run(["lpadmin", "-h", self.socket, *argv])
            expect(result.returncode == 0,
                   f"lpadmin {' '.join(argv)} failed: {result.stderr.strip()}")

    def client_env(self):
        # CUPS_SERVERROOT keeps the machine's client.conf and lpoptions out of the program.
        return {"CUPS_SERVER": self.socket, "CUPS_SERVERROOT": self.etc}

    def wait_pdf(self, seconds):
        """The one PDF the queue wrote, once no job is left."""
        def done():
            if "disabled" in run(["lpstat", "-h", self.socket, "-p", PRINTER]).stdout:
                raise Failure("the test printer stopped on a failed job")
            pdfs = glob.glob(os.path.join(self.out, "*.pdf"))
            idle = not run(["lpstat", "-h", self.socket, "-o"]).stdout.strip()
            return pdfs if pdfs and idle else None

        pdfs = self._wait(done, seconds, f"no PDF came out of the test printer in {seconds} s")
        expect(len(pdfs) == 1, f"one print made {len(pdfs)} PDF files: {pdfs}")
        return pdfs[0]

    def _wait(self, condition, seconds, reason):
        try:
            return wait(condition, seconds, reason)
        except Failure as failure:
            raise Failure(f"{failure}\n{self.log_tail()}") from None

    def log_tail(self):
        lines = []
        for path in sorted(glob.glob(os.path.join(self.logs, "*_log"))):
            with open(path, errors="replace") as log:
                tail = [line for line in log.read().splitlines()
                        if line[:2] in ("E ", "W ") or "cups-pdf" in path][-8:]
            lines += [f"{os.path.basename(path)}: {line}" for line in tail]
        return "\n".join(lines)

    def stop(self):
        if self.proc is not None and self.proc.poll() is None:
            os.killpg(self.proc.pid, 15)
            try:
                self.proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                os.killpg(self.proc.pid, 9)
                self.proc.wait()
        shutil.rmtree(self.tmp, ignore_errors=True)


# --- reading the page ----------------------------------------------------------------------


def load_png(path):
    size = run(["identify", "-format", "%w %h", path]).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return Shot(int(size[0]), int(size[1]), raw)


def channels(colour):
    return colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF


class Page:
    """The printed page rendered at 150 dpi, and where the window's picture sits on it."""

    def __init__(self, pdf, folder, client_size):
        info = run(["pdfinfo", pdf])
        expect(info.returncode == 0, f"{pdf} is not a readable PDF: {info.stderr.strip()}")
        pages = [line.split()[-1] for line in info.stdout.splitlines()
                 if line.startswith("Pages:")]
        expect(pages == ["1"], f"{os.path.basename(pdf)} has {pages} pages, not one")
        self.png = os.path.join(folder, "page.png")
        run(["pdftoppm", "-r", "150", "-png", "-singlefile", pdf, self.png[:-4]])
        self.shot = load_png(self.png)
        self.x, self.y, self.w, self.h = self._picture_box()
        cw, ch = client_size
        self.sx, self.sy = self.w / cw, self.h / ch
        expect(abs(self.sx / self.sy - 1) < 0.02 and self.sx > 1,
               f"the window's {cw}x{ch} picture is printed as {self.w}x{self.h} pixels at 150 dpi"
               " (squeezed or too small)")

    def _picture_box(self):
        """The smallest box holding everything on the page that is not paper white."""
        s, line = self.shot, self.shot.width * 3
        rows = [y for y in range(s.height)
                if s.raw[y * line:(y + 1) * line].count(0xFF) != line]
        expect(rows, "the printed page is blank")
        columns = [x for x in range(s.width)
                   if any(s.raw[x * 3 + k::line].count(0xFF) != s.height for k in range(3))]
        return columns[0], rows[0], columns[-1] - columns[0] + 1, rows[-1] - rows[0] + 1

    def cell(self, x0, y0, x1, y1):
        """Page pixels inside a client-coordinate rectangle."""
        px0, px1 = int(self.x + x0 * self.sx), int(self.x + x1 * self.sx)
        py0, py1 = int(self.y + y0 * self.sy), int(self.y + y1 * self.sy)
        return [channels(self.shot.pixel(x, y)) for y in range(py0, py1) for x in range(px0, px1)]

    def client_picture(self, folder, client_size):
        """The window's picture on the page, scaled back to the window's size and softened."""
        path = os.path.join(folder, "client.png")
        cw, ch = client_size
        run(["convert", self.png, "-crop", f"{self.w}x{self.h}+{self.x}+{self.y}", "+repage",
             "-resize", f"{cw}x{ch}!", "-blur", SOFTEN, path])
        return load_png(path)


def soften(shot):
    """The same blur as the page's picture gets: scaled one-pixel lines and text then match."""
    raw = subprocess.run(["convert", "-size", f"{shot.width}x{shot.height}", "-depth", "8",
                          "rgb:-", "-blur", SOFTEN, "rgb:-"], input=shot.raw,
                         capture_output=True, check=True).stdout
    return Shot(shot.width, shot.height, raw)


def check_cards(page):
    """Card 1 printed with numbers, cards 2 and 3 blank, every centre red."""
    faults = []
    for frame, (fx, fy) in CARD_FRAMES.items():
        for c in range(5):
            for r in range(5):
                x, y = fx + 8 + 32 * c, fy + 40 + 24 * r
                pixels = page.cell(x + 3, y + 3, x + 21, y + 13)
                dark = sum(1 for p in pixels if max(p) < 110)
                red = sum(1 for p in pixels if p[0] > 180 and p[1] < 90 and p[2] < 90)
                white = sum(1 for p in pixels if min(p) > 225)
                where = f"{frame} column {c + 1} row {r + 1}"
                if (c, r) == (2, 2):
                    if red < 0.6 * len(pixels):
                        faults.append(f"{where}: the free centre is not red")
                elif frame == "GAME1":
                    if dark < 4 or white < 0.3 * len(pixels):
                        faults.append(f"{where}: no number on a white cell")
                elif dark or white < 0.9 * len(pixels):
                    faults.append(f"{where}: not a blank white cell")
    expect(not faults, "the printed cards are wrong:\n  " + "\n  ".join(faults))


def check_unchanged(page, folder, screen, menu_height):
    """The scoreboard and the right-hand panels print as they were on screen."""
    client = (screen.width, screen.height - menu_height)
    printed = page.client_picture(folder, client)
    screen = soften(screen)
    total = count = 0
    for x0, y0, x1, y1 in UNCHANGED:
        for y in range(y0, y1):
            for x in range(x0, x1):
                a = channels(printed.pixel(x, y))
                b = channels(screen.pixel(x, y + menu_height))
                total += sum((p - q) ** 2 for p, q in zip(a, b))
                count += 3
    rmse = (total / count) ** 0.5 / 255
    print(f"page against the screen: RMSE {rmse:.3f} over the unchanged parts")
    # Softened, the same picture two pixels off already gives 0.07.
    expect(rmse < 0.05, f"the printed window differs from the screen (RMSE {rmse:.3f})")


def card_points(frame):
    fx, fy = CARD_FRAMES[frame]
    for c in range(5):
        for r in range(5):
            yield fx + 8 + 32 * c + 2, fy + 40 + 24 * r + 2


# --- the two prints ------------------------------------------------------------------------


def print_one_card(s, env):
    """Starts the program, buys one card and presses Print; returns the screens before."""
    s.start_program(extra_env=env)
    start = s.shot()
    s.click(32 + 59 + 6, 32 + 16 + 6)  # sel1: one card

    def card_shown():
        shot = s.shot()
        return shot if all(shot.pixel(x, y + s.menu_height) == 0xFFFFFF
                           for x, y in card_points("GAME1")) else None

    bought = wait(card_shown, 5, "Game 1 did not show after buying one card")
    s.click(516 + 18, 36 + 18)  # PrintButton
    return start, bought


def expect_cleared(s, start):
    def cleared():
        shot = s.shot()
        return all(shot.pixel(x, y + s.menu_height) == start.pixel(x, y + s.menu_height)
                   for f in CARD_FRAMES for x, y in card_points(f))

    wait(cleared, 10, "the card frames still show after printing")


def check_page(pdf, s, bought, folder):
    client = (bought.width, bought.height - s.menu_height)
    page = Page(pdf, folder, client)
    check_cards(page)
    check_unchanged(page, folder, bought, s.menu_height)


def no_printer(binary):
    s = Session(binary)
    try:
        start, bought = print_one_card(s, {"CUPS_SERVER": os.path.join(s.tmp, "no-server")})
        dialog = s.wait_dialog(15)
        expect(s.title(dialog) == "Zandor Bingo",
               f"printing without a printer showed {s.title(dialog)!r}")
        pdfs = glob.glob(os.path.join(s.env["HOME"], "Documents", "Zandor Bingo cards *.pdf"))
        expect(len(pdfs) == 1, f"expected one 'Zandor Bingo cards *.pdf' in Documents, found "
               f"{os.listdir(os.path.join(s.env['HOME'], 'Documents'))}")
        check_page(pdfs[0], s, bought, s.tmp)
        s.keys(dialog, "Return")
        wait(lambda: not s.dialogs(), 5, "Return did not close the message")
        expect_cleared(s, start)
        print(f"no printer: saved {os.path.basename(pdfs[0])}, one page with the cards")
    finally:
        s.close()


def real_printer(binary):
    server = PrintServer()
    s = None
    try:
        server.start()
        s = Session(binary)
        start, bought = print_one_card(s, server.client_env())
        began = time.time()
        pdf = server.wait_pdf(30)
        print(f"printer: PDF after {time.time() - began:.1f} s")
        expect(not s.dialogs(), "printing on a working printer showed a message")
        check_page(pdf, s, bought, s.tmp)
        expect_cleared(s, start)
        print("printer: one page with the cards")
    finally:
        if s is not None:
            s.close()
        server.stop()


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if shutil.which("Xvfb") is None:
        print("SKIP: Xvfb is not installed")
        return 77
    for tool in ("openbox", "xdotool", "wmctrl", "import", "convert", "pdfinfo", "pdftoppm"):
        if shutil.which(tool) is None:
            print(f"FAIL: {tool} is not installed (scripts/install-deps.sh installs it)")
            return 1
    try:
        no_printer(sys.argv[1])
        real_printer(sys.argv[1])
    except Skip as skip:
        print(f"SKIP: {skip} (the no-printer case passed)")
        return 77
    except Failure as failure:
        print(f"FAIL: {failure}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
