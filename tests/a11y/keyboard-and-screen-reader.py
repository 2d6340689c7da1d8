#!/usr/bin/python3
"""Plays Zandor Bingo with the keyboard alone while reading it as a screen reader does.

Usage: keyboard-and-screen-reader.py <path to zandor-bingo>

The program runs on a private X display with its own session bus and AT-SPI bus.
1. Every control of the main window is found in the accessible tree by its role and name,
   and every control that takes the focus has a name and a description.
2. A game by keyboard alone: one card by the arrow keys, Auto and back to Manual by Space,
   the slowest caller speed, Start; Pause shows a message that is read and closed by Enter; Tab reaches card 1, the
   arrow keys reach a cell whose number has been called, Space marks it and the cell is then
   reported marked. Each call is announced by the called-number display.
3. The game is finished at full speed, every message or winner's card is read and closed by
   Enter, and File, Exit by its access keys ends the program through the high-score entry.
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import re
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "support"))
from xsession import Failure, Session, run_steps  # noqa: E402

CALL = re.compile(r"^[BINGO] \d{1,2}$")


def expect(condition, reason):
    if not condition:
        raise Failure(reason)


class Reader:
    """The program as a screen reader sees it, over AT-SPI."""

    def __init__(self, session, bus_address):
        os.environ.update(DISPLAY=session.display, DBUS_SESSION_BUS_ADDRESS=bus_address)
        import pyatspi  # connects to the buses named above
        from gi.repository import GLib
        self.atspi, self.context = pyatspi, GLib.MainContext.default()
        self.session = session
        self.app = session._wait(self._find_app, 20, "the program is not on the AT-SPI bus")
        self.calls = []
        pyatspi.Registry.registerEventListener(self._heard, "object:property-change",
                                               "object:state-changed")

    def _find_app(self):
        desktop = self.atspi.Registry.getDesktop(0)
        return next((a for a in desktop if a is not None and a.name == "Zandor Bingo"), None)

    def _heard(self, event):
        source = event.source
        if (event.type.endswith("accessible-name") and source is not None
                and source.description == "Called Number"):
            self.calls.append(source.name)

    def pump(self, seconds=0.0):
        """Lets the events the program sent arrive, for at least `seconds`."""
        deadline = time.time() + seconds
        while True:
            while self.context.pending():
                self.context.iteration(False)
            if time.time() >= deadline:
                return
            time.sleep(0.05)

    def nodes(self, root=None):
        stack = [root or self.app]
        while stack:
            node = stack.pop()
            for child in node:
                if child is not None:
                    yield child
                    stack.append(child)

    def role(self, node):
        return node.getRoleName()

    def has(self, node, state):
        return node.getState().contains(state)

    def focused(self):
        return next((n for n in self.nodes() if self.has(n, self.atspi.STATE_FOCUSED)
                     and self.role(n) not in ("frame", "dialog", "alert")), None)

    def windows(self):
        return [w for w in self.app if w is not None]

    def texts(self, window):
        return [n.name for n in self.nodes(window)
                if self.role(n) in ("label", "table cell") and n.name]

    def wait(self, condition, seconds, reason):
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.pump()
            value = condition()
            if value:
                return value
            time.sleep(0.1)
        raise Failure(reason)


# (role, name) of every control of the main window; the grids are counted separately.
CONTROLS = [("menu item", name) for name in
            ("File", "Hi-Scores", "Page Setup", "Print", "Exit", "Help", "Contents", "About")] + [
    ("radio button", name) for name in
    ("0 cards", "1 card", "2 cards", "3 cards", "Random", "Vertical", "Horizontal", "Diagonal",
     "Inner H", "Outer H", "Inner Sq.", "Outer Sq.", "Full House")] + [
    ("check box", "Manual"), ("slider", "Caller Speed"), ("label", "!!"),
    ("push button", "Start"), ("push button", "Pause"), ("push button", "High Scores"),
    ("push button", "Print"), ("status bar", ""), ("label", "Balance $60.00"),
    ("panel", "No of Games to play."), ("panel", "Game Type"), ("panel", "Caller Speed"),
    ("panel", "Scoreboard"), ("panel", "Game 1"), ("panel", "Game 2"), ("panel", "Game 3")]


def check_tree(r):
    main = r.windows()[0]
    found = {(r.role(n), n.name) for n in r.nodes(main)}
    missing = [c for c in CONTROLS if c not in found]
    expect(not missing, f"not in the accessible tree: {missing}")
    cells = [n.name for n in r.nodes(main) if r.role(n) == "table cell"]
    expect(sum(c.startswith("Scoreboard, ") for c in cells) == 75
           and "Scoreboard, B row, 1, not called" in cells,
           f"the scoreboard's cells read {cells[:3]}")
    expect(sum(c.startswith("Card ") for c in cells) == 75
           and "Card 1, B column, blank, not marked" in cells, f"the cards' cells read {cells[-3:]}")
    unnamed = [(r.role(n), n.name, n.description) for n in r.nodes(main)
               if r.has(n, r.atspi.STATE_FOCUSABLE) and r.role(n) != "table cell"
               and not (n.name and n.description)]
    expect(not unnamed, f"controls without a name or a description: {unnamed}")


def press(s, *keys):
    s._run(["xdotool", "key", "--delay", "80", *keys])


def tab_to(s, r, prefix, key="Tab"):
    """Presses Tab until the control whose name starts with prefix has the focus."""
    for _ in range(20):
        node = r.focused()
        if node is not None and node.name.startswith(prefix):
            return node
        press(s, key)
        r.pump(0.3)
    raise Failure(f"{key} never reached {prefix!r}; the focus is on "
                  f"{getattr(r.focused(), 'name', None)!r}")


def read_and_close_dialog(s, r, seconds):
    """Waits for a dialog over the main window, checks it is readable, closes it with Enter."""
    dialog = r.wait(lambda: r.windows()[1:], seconds, "no dialog appeared")[0]
    name, texts = dialog.name, r.texts(dialog)
    expect(name and texts, f"a dialog {name!r} reads {texts!r}")
    if name == "The Winners Card":
        expect(sum(t.startswith("Winner's card, ") for t in texts) == 25,
               f"the winner's card reads {texts}")
    s.keys(s.dialogs()[0], "Return")
    r.wait(lambda: len(r.windows()) == 1, 10, f"Enter did not close {name!r}")
    return name, texts


def called_cell_of_card_1(r, main):
    """Card 1's first unmarked cell whose number the scoreboard shows called, as (row, column,
    cell), or None."""
    called = {n.name.split(", ")[2] for n in r.nodes(main)
              if n.name.startswith("Scoreboard, ") and n.name.endswith(", called")}
    card = next(n for n in r.nodes(main) if r.role(n) == "panel" and n.name == "Game 1")
    cells = [n for n in card if r.role(n) == "table cell"]  # built column by column
    for index, cell in enumerate(cells):
        if cell.name.split(", ")[2] in called and cell.name.endswith("not marked"):
            return index % 5, index // 5, cell
    return None


def play_by_keyboard(s, r):
    main = r.windows()[0]
    tab_to(s, r, "0 cards")
    press(s, "Right")
    manual = tab_to(s, r, "Manual")
    for caption in ("Auto", "Manual"):  # marked by hand, after a look at the other mode
        press(s, "space")
        r.wait(lambda: manual.name == caption, 5, f"Space left the switch at {manual.name!r}")
    tab_to(s, r, "Caller Speed")
    press(s, "End")
    tab_to(s, r, "Start", "shift+Tab")
    press(s, "space")
    r.wait(lambda: r.calls, 20, "no call was announced by the called-number display")
    expect(all(CALL.match(c) for c in r.calls), f"the calls were announced as {r.calls}")

    tab_to(s, r, "Pause", "shift+Tab")
    press(s, "space")
    name, texts = read_and_close_dialog(s, r, 10)
    expect("GAME PAUSED, Click to continue." in texts, f"Pause showed {name!r}: {texts}")

    tab_to(s, r, "Card 1, ")
    row, column, cell = r.wait(lambda: called_cell_of_card_1(r, main), 60,
                               "no number on card 1 was called")
    if row or column:
        press(s, *["Down"] * row, *["Right"] * column)
    r.wait(lambda: getattr(r.focused(), "name", None) == cell.name, 5,
           f"the arrows reached {getattr(r.focused(), 'name', None)!r}, not {cell.name!r}")
    press(s, "space")
    r.wait(lambda: cell.name.endswith(", marked") and r.has(cell, r.atspi.STATE_CHECKED), 10,
           f"Space did not mark the cell: it reads {cell.name!r}")


def finish_and_exit(s, r):
    main = r.windows()[0]
    tab_to(s, r, "Caller Speed", "shift+Tab")
    press(s, "Home")
    # After the game the focus goes back to the card count, ready for the next one.
    deadline = time.time() + 60
    while r.windows()[1:] or getattr(r.focused(), "name", None) != "0 cards":
        expect(s.running(), "the program ended during the game")
        expect(time.time() < deadline, "the game did not end within 60 s at full speed")
        if r.windows()[1:]:
            read_and_close_dialog(s, r, 1)
        r.pump(0.2)
    press(s, "alt+f", "x")
    dialog = s.wait_dialog(10)
    expect(s.title(dialog) == "PembyBingo", f"File, Exit showed {s.title(dialog)!r}")
    entry = r.wait(lambda: r.windows()[1:], 10, "the high-score entry is not on the bus")[0]
    controls = {(r.role(n), n.name) for n in r.nodes(entry)}
    expect({("list", "Players"), ("list", "Scores"), ("text", "Your name")} <= controls,
           f"the high-score entry reads {sorted(controls)}")
    s.keys(dialog, "K", "e", "y", "s", "Return")
    s.keys(dialog, "Return")
    expect(s.wait_exit(10) == 0, "the program did not end cleanly")
    with open(os.path.join(s.folder, "MYGAME.INI")) as table:
        text = table.read()
    expect(";Keys\n" in text, f"the name typed was not stored:\n{text}")


def start_buses(s):
    """A session bus and the AT-SPI bus launcher for the program and the reader to share."""
    bus = s._spawn(["dbus-daemon", "--session", "--nofork", "--print-address"],
                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    expect(address, "dbus-daemon gave no address")
    s._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
             env=dict(s.env, DBUS_SESSION_BUS_ADDRESS=address), stderr=subprocess.DEVNULL)
    return address


def keyboard_and_screen_reader(binary):
    s = Session(binary)
    try:
        address = start_buses(s)
        with open(os.path.join(s.folder, "MYGAME.INI"), "w") as table:  # any balance places
            table.write("[HiScores]\n" + "".join(f"Score{i}={6 - i};Low\n" for i in range(1, 6)))
        s.start_program({"DBUS_SESSION_BUS_ADDRESS": address,
                         "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        r = Reader(s, address)
        check_tree(r)
        play_by_keyboard(s, r)
        finish_and_exit(s, r)
    except Failure as failure:
        raise Failure(f"{failure}\n{s.program_output()}")
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [keyboard_and_screen_reader]))
