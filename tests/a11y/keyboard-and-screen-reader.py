#!/usr/bin/python3
"""Plays Zandor Bingo with the keyboard alone while the screen reader Orca listens, and checks
what Orca says.

Usage: with-null-sink.sh <path to wav-timing> keyboard-and-screen-reader.py <zandor-bingo>
(tests/support/with-null-sink.sh gives the game's sound a private PulseAudio null sink)

On a private X display with its own buses, speech-dispatcher (dummy voice) and Orca, whose
debug log tells what it spoke. With sound, then without: each call is heard within a second of
its display; the controls, card cells, the winner's card, every game's result and the high-score
table read with their meaning.
Exits 77 (skipped) when Xvfb, PulseAudio, Orca or speech-dispatcher is missing, or Orca does not
start.
"""
import datetime
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "support"))
from xsession import Failure, Session, Skip, expect, run_steps  # noqa: E402

SPOKEN = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)' ?\{", re.M)
# When Orca got the display's change of caption: the moment the call showed.
DISPLAYED = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - EVENT MANAGER: "
                       r"object:property-change:accessible-name for \[label \| ([BINGO] \d+)\]",
                       re.M)
# Orca writes its debug file through a block buffer; a line buffer lets the test read it live.
ORCA = """import builtins, runpy, sys
log, real_open = sys.argv[sys.argv.index("--debug-file") + 1], builtins.open
builtins.open = lambda f, m="r", *a, **k: real_open(f, m, buffering=1) if f == log \
    else real_open(f, m, *a, **k)
sys.argv = ["/usr/bin/orca"] + sys.argv[1:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


class Orca:
    """Orca and its speech server inside the session, and what it has said."""

    def __init__(self, s):
        self.log = os.path.join(s.tmp, "orca.log")
        conf = os.path.join(s.tmp, "speechd")
        shutil.copytree("/etc/speech-dispatcher", conf)
        with open(os.path.join(conf, "speechd.conf"), "a") as speechd:  # no sound card here
            speechd.write('\nAudioOutputMethod "alsa"\nDefaultModule dummy\n')
        with open(os.path.join(s.env["HOME"], ".asoundrc"), "w") as alsa:
            alsa.write("pcm.!default { type null }\n")
        os.makedirs(os.path.join(s.tmp, "speechd-log"))
        s._spawn(["speech-dispatcher", "-s", "-t", "0", "-C", conf, "-L",
                  os.path.join(s.tmp, "speechd-log")], stdout=subprocess.DEVNULL,
                 stderr=subprocess.DEVNULL)
        os.makedirs(os.path.join(s.tmp, "orca-prefs"))
        s._spawn(["/usr/bin/python3", "-c", ORCA, "-u", os.path.join(s.tmp, "orca-prefs"),
                  "--debug-file", self.log], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.wait("Screen reader on.", 40, 0)
        except Failure:
            raise Skip("Orca did not start on the private display and buses")

    def said(self, since=0.0):
        """(seconds since the epoch, text) of every utterance after `since`."""
        return self._lines(SPOKEN, since)

    def displayed(self, since=0.0):
        """(seconds since the epoch, call) of every call the called-number display showed."""
        return self._lines(DISPLAYED, since)

    def _lines(self, pattern, since):
        try:
            with open(self.log, errors="replace") as log:
                text = log.read()
        except FileNotFoundError:
            return []
        today = datetime.datetime.now().replace(hour=0, minute=0, second=0, microsecond=0)
        found = [((today + datetime.timedelta(hours=int(h), minutes=int(m), seconds=float(sec)))
                  .timestamp(), words) for h, m, sec, words in pattern.findall(text)]
        found = [(t, words) for t, words in found if t > since]
        # Orca logs each change of the display's caption twice
        return [line for i, line in enumerate(found) if pattern is SPOKEN or i == 0
                or line[1] != found[i - 1][1]]

    def wait(self, pattern, seconds, since):
        """The first utterance after `since` that matches `pattern` (a regular expression)."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            found = [(t, w) for t, w in self.said(since) if re.search(pattern, w)]
            if found:
                return found[0]
            time.sleep(0.05)
        raise Failure(f"Orca never said {pattern!r}; it said {[w for _, w in self.said(since)]}")


def press(s, *keys):
    """Presses the keys; returns the time just before."""
    started = time.time()
    s._run(["xdotool", "key", "--delay", "100", *keys])
    return started


def calls_heard_in_time(orca, since):
    """Each call displayed after `since` (and a second ago or more) was said within a second
    of showing; returns how many there were."""
    time.sleep(1.0)
    said, now = orca.said(since), time.time()
    shown = [(t, call) for t, call in orca.displayed(since) if t < now - 1.0]
    expect(shown, "no call was displayed")
    late = []
    for shown_at, call in shown:
        heard = [t for t, words in said if words == call + "." and t >= shown_at - 0.05]
        if not heard or heard[0] - shown_at > 1.0:
            late.append((call, round(heard[0] - shown_at, 2) if heard else None))
    expect(not late, f"calls not heard within a second of their display: {late}")
    return len(shown)


def tab_until(s, orca, pattern, key="Tab"):
    for _ in range(25):
        try:
            return orca.wait(pattern, 0.6, press(s, key))
        except Failure:
            continue
    raise Failure(f"{key} never reached {pattern!r}")


def snake(passes):
    """Arrow keys that visit every cell of a 5 by 5 grid from its top left corner, to and fro."""
    keys, across = [], "Right"
    for walk in range(passes):
        for row in range(5):
            keys += [across] * 4 + ([("Down", "Up")[walk % 2]] if row < 4 else [])
            across = "Left" if across == "Right" else "Right"
    return keys


def mark_a_called_cell(s, orca, since):
    """Walks card 1 until a cell holds a number called since `since`, and marks it with Space.
    A walk takes as long as 7 calls or so at the slowest speed, and with 7 calls none of the
    card's 24 numbers is called about one time in 15: the walk goes on for up to ten walks."""
    for key in snake(10):
        _, cell = orca.wait(r"^Card 1, ", 3, press(s, key))
        number = cell.split(", ")[3]
        called = {c.split()[1] for _, c in orca.displayed(since)}
        if number in called and cell.endswith("not marked."):
            orca.wait(r"^marked\.$", 1.5, press(s, "space"))
            return cell
    raise Failure("no number of card 1 was called while it was walked")


def play_to_the_end(s, orca, since):
    """Plays games at full speed until a computer player wins, hearing every result; reads the
    winner's card cell by cell."""
    for game in range(5):
        if game:
            orca.wait(r"^1 card\.", 3, press(s, "Right"))
            since = tab_until(s, orca, r"^Start push button")[0]
            press(s, "space")
        said = orca.wait(r"^alert Zandor Bingo|^The Winners Card dialog", 90, since)
        if said[1].startswith("alert"):  # the player won: the message says so, Enter closes it
            since = orca.wait(r"^You won \$\d+\. Balance \$\d+\.$", 5, press(s, "Return"))[0]
            continue
        orca.wait(r"is the winner\.", 2, said[0] - 0.01)
        cell = r"^Winner's card, [BINGO] column, row \d, (\d+|free), (not )?marked\.$"
        cells = [orca.wait(cell, 3, said[0] - 0.01)[1]]  # the focus starts on its first cell
        cells += [orca.wait(cell, 3, press(s, key))[1] for key in snake(1)]
        expect(len(set(cells)) == 25 and sum(not c.endswith("not marked.") for c in cells) >= 5
               and any(", N column, row 3, free, " in c for c in cells),
               f"the winner's card reads {sorted(set(cells))}")
        return orca.wait(r" won\. Your stake of \$6 is lost\. Balance \$\d+\.$", 5,
                         press(s, "Return"))[1]
    raise Failure("the player won five games in a row")


def sound_off_game(s, orca):
    s.start_program()
    orca.wait(r"^0 cards\.", 20, 0)
    orca.wait(r"^1 card\.", 3, press(s, "Right"))
    orca.wait(r"^Automatic marking check box not checked", 3, press(s, "Tab"))
    orca.wait(r"^checked$", 3, press(s, "space"))
    orca.wait(r"^not checked$", 3, press(s, "space"))
    tab_until(s, orca, r"^Seconds between calls slider 1\.0")
    orca.wait(r"^4\.0$", 3, press(s, "End"))
    tab_until(s, orca, r"^Start push button", "shift+Tab")
    started = press(s, "space")
    orca.wait(r"^[BINGO] \d{1,2}\.$", 10, started)
    cell = tab_until(s, orca, r"^Card 1, B column, row 1, \d+, not marked")
    orca.wait(r"^left edge\.$", 3, press(s, "Left"))
    orca.wait(r"^top edge\.$", 3, press(s, "Up"))
    mark_a_called_cell(s, orca, started)
    calls = calls_heard_in_time(orca, started)
    tab_until(s, orca, r"^Seconds between calls slider", "shift+Tab")
    press(s, "Home")
    result = play_to_the_end(s, orca, started)
    print(f"sound off: {calls} calls at the slowest speed each heard within a second; "
          f"{cell[1]!r}; result {result!r}")


def sound_on_game_and_high_scores(s, orca):
    with open(os.path.join(s.folder, "MYGAME.INI"), "w") as table:
        table.write("[HiScores]\n" + "".join(f"Score{i}={6 - i};Low\n" for i in range(1, 6)))
    s.start_program({"PULSE_SERVER": os.environ["PULSE_SERVER"]})
    orca.wait(r"^0 cards\.", 20, 0)
    orca.wait(r"^1 card\.", 3, press(s, "Right"))
    tab_until(s, orca, r"^Start push button")
    started = press(s, "space")
    delays = []
    for key in ["Tab", "shift+Tab"] * 8:  # High Scores and Pause, during the calls
        pressed = press(s, key)
        heard = orca.wait(r"push button", 5, pressed)
        delays.append(heard[0] - pressed)
        time.sleep(0.35)
    calls = calls_heard_in_time(orca, started)
    print(f"sound on: {calls} calls each heard within a second; key to speech "
          f"median {statistics.median(delays):.2f} s, worst {max(delays):.2f} s")
    tab_until(s, orca, r"^Hi-Scores", "alt+f")  # the File menu opens on its first item
    press(s, "x")
    orca.wait(r"^PembyBingo dialog", 15, started)
    orca.wait(r"^Your name text", 5, started)
    for text in "Keys":
        press(s, text)
    new_entry = orca.wait(r"^New high score: 1\. Keys, 54", 5,
                          press(s, "Return"))
    rows = [tab_until(s, orca, rf"^{place}\. \w+, \d+", key)[1]
            for place, key in ((2, "Down"), (3, "Down"))]
    expect(rows == ["2. Low, 5.", "3. Low, 4."], f"the high-score rows read {rows}")
    press(s, "Return")
    expect(s.wait_exit(10) == 0, "the program did not end cleanly")
    print(f"high scores: {new_entry[1]!r}, {rows}")


def keyboard_and_screen_reader(binary):
    missing = [tool for tool in ("orca", "speech-dispatcher") if shutil.which(tool) is None]
    if missing:
        raise Skip(f"{', '.join(missing)} not installed (scripts/install-deps.sh installs them)")
    expect("PULSE_SERVER" in os.environ, "run it through tests/support/with-null-sink.sh")
    with Session(binary) as s:
        try:
            orca = start_orca(s)
            sound_on_game_and_high_scores(s, orca)
            sound_off_game(s, orca)
        except Failure as failure:
            raise Failure(f"{failure}\n{s.program_output()}")


def start_orca(s):
    bus = s._spawn(["dbus-daemon", "--session", "--nofork", "--print-address"],
                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    s.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    expect(s.env["DBUS_SESSION_BUS_ADDRESS"], "dbus-daemon gave no address")
    s._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
             stderr=subprocess.DEVNULL)
    return Orca(s)


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [keyboard_and_screen_reader]))
