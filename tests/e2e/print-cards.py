#!/usr/bin/env python3
"""Prints one card from the real Zandor Bingo under Xvfb with no print server (saved in
Documents, with a message), then on a private CUPS server's cups-pdf printer.

Usage: print-cards.py <path to zandor-bingo>. Exits 77 when Xvfb is missing or, once the
no-printer case has passed, when no private print server can run (no cupsd or cups-pdf, not
root, no mount namespaces).
"""
import glob
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from player import Player  # noqa: E402
from xsession import Failure, Session, Skip, expect, picture, run_steps  # noqa: E402

CARD_FRAMES = {"GAME1": (32, 256), "Game2": (216, 256), "Game3": (396, 256)}
# Each card cell: frame, column, row and top left corner in client coordinates.
CELLS = [(frame, c, r, fx + 8 + 32 * c, fy + 40 + 24 * r)
         for frame, (fx, fy) in CARD_FRAMES.items() for c in range(5) for r in range(5)]
# Client areas a print leaves as on screen: the scoreboard and the panels on the right.
UNCHANGED = [(28, 94, 558, 244), (574, 14, 676, 436)]
CUPS_PDF_CONF = "/etc/cups/cups-pdf.conf"
CUPS_PDF_PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
PRINTER = "TestPDF"


def run(*argv):
    return subprocess.run(argv, capture_output=True, text=True, timeout=20)


def no_print_server():
    """Why no private print server can run here, or None."""
    missing = [t for t in ("cupsd", "lpadmin", "lpstat", "unshare") if not shutil.which(t)]
    missing += [f for f in ("/usr/lib/cups/backend/cups-pdf", CUPS_PDF_PPD, CUPS_PDF_CONF)
                if not os.path.exists(f)]
    if missing:
        return "not installed: " + ", ".join(missing)
    if os.geteuid() != 0:
        return "the cups-pdf backend needs a print server started as root"
    if run("unshare", "--mount", "true").returncode != 0:
        return "no mount namespace for a private print server"


def start_print_server(s):
    """cupsd in its own mount namespace, where a private cups-pdf.conf is bound over the
    machine's; returns the program's environment for it and a function finding the PDF."""
    os.chmod(s.tmp, 0o755)  # the filters run as lp and must reach the spool
    root = os.path.join(s.tmp, "cups")
    d = {name: os.path.join(root, name) for name in
         ("etc", "state", "cache", "spool", "spool/tmp", "log", "out", "pdf-spool")}
    for folder in d.values():
        os.makedirs(folder)
    socket = os.path.join(root, "cups.sock")
    for name, text in {
        "etc/cupsd.conf": f"Listen {socket}\nLogLevel debug\nBrowsing No\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n",
        "etc/cups-files.conf": f"ServerRoot {d['etc']}\nStateDir {d['state']}\n"
        f"CacheDir {d['cache']}\nRequestRoot {d['spool']}\nTempDir {d['spool/tmp']}\n"
        f"ErrorLog {d['log']}/error_log\nAccessLog {d['log']}/access_log\n"
        f"PageLog {d['log']}/page_log\nPrintcap {root}/printcap\nSystemGroup root\n",
        "cups-pdf.conf": f"Out {d['out']}\nAnonDirName {d['out']}\n"
        f"Spool {d['pdf-spool']}\nLog {d['log']}\nLogType 7\n",
    }.items():
        with open(os.path.join(root, name), "w") as out:
            out.write(text)
    script = (f'mount --bind "{root}/cups-pdf.conf" {CUPS_PDF_CONF} || exit 77; exec '
              f'cupsd -f -c "{d["etc"]}/cupsd.conf" -s "{d["etc"]}/cups-files.conf"')
    proc = s._spawn(["unshare", "--mount", "--propagation", "private", "sh", "-c", script],
                    stdout=open(f"{d['log']}/console_log", "w"), stderr=subprocess.STDOUT)

    def lp(tool, *argv):
        return run(tool, "-h", socket, *argv)

    def up():
        if proc.poll() == 77:
            raise Skip(f"cannot bind a private cups-pdf.conf over {CUPS_PDF_CONF}")
        expect(proc.poll() is None, "the private print server ended at once")
        return os.path.exists(socket) and lp("lpstat", "-r").returncode == 0

    s._wait(up, 15, "the private print server did not come up")
    for argv in (["-p", PRINTER, "-E", "-v", "cups-pdf:/", "-P", CUPS_PDF_PPD], ["-d", PRINTER]):
        result = lp("lpadmin", *argv)
        expect(result.returncode == 0, f"lpadmin {' '.join(argv)} failed: {result.stderr}")

    def printed(s):
        pdfs = s._wait(lambda: not lp("lpstat", "-o").stdout.strip() and glob.glob(
            f"{d['out']}/*.pdf"), 30, "no PDF came out of the test printer in 30 s")
        expect(len(pdfs) == 1, f"one print made {len(pdfs)} PDF files: {pdfs}")
        expect(not s.dialogs(), "printing on a working printer showed a message")
        return pdfs[0]

    # CUPS_SERVERROOT keeps the machine's client.conf and lpoptions out of the program.
    return {"CUPS_SERVER": socket, "CUPS_SERVERROOT": d["etc"]}, printed


def cups_errors(s):
    """cupsd's errors and warnings, for a failure's report."""
    log = os.path.join(s.tmp, "cups", "log", "error_log")
    lines = open(log, errors="replace").readlines() if os.path.exists(log) else []
    return "\nCUPS errors:\n" + "".join(line for line in lines if line[:2] in ("E ", "W "))


def saved(s):
    """The PDF saved in Documents, once the message saying so is closed."""
    dialog = s.wait_dialog(15)
    expect(s.title(dialog) == "Zandor Bingo", f"no printer showed {s.title(dialog)!r}")
    s.keys(dialog, "Return")
    s._wait(lambda: not s.dialogs(), 5, "Return did not close the message")
    documents = os.path.join(s.env["HOME"], "Documents")
    pdfs = glob.glob(os.path.join(documents, "Zandor Bingo cards *.pdf"))
    expect(len(pdfs) == 1, f"expected one 'Zandor Bingo cards *.pdf' in Documents, found "
           f"{glob.glob(documents + '/*')}")
    return pdfs[0]


def area(shot, x0, y0, x1, y1):
    return [tuple(shot.raw[i:i + 3]) for y in range(y0, y1)
            for i in range((y * shot.width + x0) * 3, (y * shot.width + x1) * 3, 3)]


def check_page(pdf, s, screen, screen_png):
    """The page's picture, scaled back to the window's size, against the screen before."""
    result = run("pdftoppm", "-r", "150", "-png", pdf, os.path.join(s.tmp, "page"))
    pages = glob.glob(os.path.join(s.tmp, "page-*.png"))
    expect(len(pages) == 1, f"{pdf} has {len(pages)} pages, not one {result.stderr.strip()}")
    box = run("convert", pages[0], "-format", "%@", "info:").stdout  # not paper white
    w, h = (int(n) for n in box.split("+")[0].split("x"))
    cw, ch = screen.width, screen.height - s.menu_height
    expect(w > cw and abs(w / cw - h / ch) < 0.02 * w / cw,
           f"the {cw}x{ch} window is printed as {w}x{h} pixels at 150 dpi (squeezed or small)")
    client = os.path.join(s.tmp, "client.png")
    run("convert", pages[0], "-crop", box, "+repage", "-resize", f"{cw}x{ch}!", client)
    printed, faults = picture(client), []
    for frame, c, r, x, y in CELLS:
        pixels = area(printed, x + 3, y + 3, x + 21, y + 13)
        dark = sum(max(p) < 110 for p in pixels)
        red = sum(p[0] > 180 and p[1] < 90 and p[2] < 90 for p in pixels) / len(pixels)
        white = sum(min(p) > 225 for p in pixels) / len(pixels)
        want, ok = (("a red free centre", red > 0.6) if (c, r) == (2, 2) else
                    ("a number on white", dark >= 4 and white > 0.3) if frame == "GAME1" else
                    ("a blank white cell", not dark and white > 0.9))
        if not ok:
            faults.append(f"{frame} column {c + 1} row {r + 1} is not {want}")
    expect(not faults, "the printed cards are wrong:\n  " + "\n  ".join(faults))
    # Softened alike, scaled one-pixel lines and text match; two pixels off gives 0.07.
    printed = picture(client, "-blur", "0x1.5")
    screen = picture(screen_png, "-crop", f"{cw}x{ch}+0+{s.menu_height}", "+repage",
                     "-blur", "0x1.5")
    diffs = [a - b for rect in UNCHANGED
             for p, q in zip(area(printed, *rect), area(screen, *rect)) for a, b in zip(p, q)]
    rmse = (sum(d * d for d in diffs) / len(diffs)) ** 0.5 / 255
    expect(rmse < 0.05, f"the printed window differs from the screen (RMSE {rmse:.3f})")
    return rmse


def print_card(s, env, find_pdf):
    """Buys one card, presses Print, checks the page and that the card is put away."""
    s.start_program(extra_env=env)
    p, png = Player(s), os.path.join(s.tmp, "bought.png")
    p.buy(1)
    screen = s.shot(path=png)
    s.click(516 + 18, 36 + 18)  # Print
    pdf = find_pdf(s)
    rmse = check_page(pdf, s, screen, png)
    s._wait(lambda: not p.card_shown(s.shot()), 10, "the card still shows after printing")
    print(f"{os.path.basename(pdf)} is right (RMSE {rmse:.3f} against the screen)")


def without_a_print_server(binary):
    with Session(binary) as s:
        print_card(s, {}, saved)  # the session's print server does not exist


def on_a_print_server(binary):
    if reason := no_print_server():
        raise Skip(f"{reason} (the no-printer case passed)")
    with Session(binary) as s:
        try:
            print_card(s, *start_print_server(s))
        except Failure as failure:
            raise Failure(f"{failure}{cups_errors(s)}")


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [without_a_print_server, on_a_print_server]))
