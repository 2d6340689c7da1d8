#!/usr/bin/env python3
"""Plays Zandor Bingo at the caller's starting speed (5) with real sound, on a private PulseAudio
null sink that tests/support/with-null-sink.sh starts and records from its monitor.

Usage: with-null-sink.sh <path to wav-timing> play-with-sound.py <path to zandor-bingo>

Each number's sound is a steady 3-second tone. A card click during a call's sound waits for its
end; with the server stopped (kill -STOP) the game calls on silently, and sound comes back when
it continues; closed during a call with the server stopped again: exit code 0.
Exits 77 (skipped) when Xvfb, pulseaudio or parecord is not installed.
"""
import array
import os
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from player import CARD_1, RED, WHITE, Player  # noqa: E402
from xsession import Failure, Session, expect, run_steps, write  # noqa: E402

HIGH_TABLE = "[HiScores]\n" + "".join(f"Score{i}={1000 - 100 * i};High {i}\n" for i in range(1, 6))
VERTICAL = (576 + 4 + 10, 16 + 39 + 6)  # selgametype(1) inside Frame2
TONE_SECONDS = 3
LOUD = 330  # about -40 dBFS, as the sound tests count a sample heard
BRIDGED = 0.3  # silences shorter than this inside a span; calls are a second or more apart


def write_tones(folder):
    first = os.path.join(folder, "sounds", "1.wav")
    subprocess.run(["sox", "-n", "-r", "22050", "-b", "16", "-c", "1", first, "synth",
                    str(TONE_SECONDS), "sine", "440", "vol", "0.25"], check=True)
    for n in range(2, 76):
        shutil.copy(first, os.path.join(folder, "sounds", f"{n}.wav"))


def heard(until):
    """The loud spans of the recording as [first, last] arrival times (steady clock), once the
    recorder has delivered what was played up to `until`."""
    folder = os.environ["ZANDOR_RECORDING_DIR"]

    def arrivals():
        with open(os.path.join(folder, "recording.log")) as log:
            rows = [line.split() for line in log.read().splitlines()]
        rows = [(float(r[0]), int(r[1])) for r in rows if len(r) == 2]
        return rows if rows and rows[-1][0] >= until else None

    rows = Session._wait(arrivals, 20, "the recorder stopped delivering")
    samples = array.array("h")
    with open(os.path.join(folder, "recording.raw"), "rb") as raw:
        samples.frombytes(raw.read(rows[-1][1] // 2 * 2))
    spans, done = [], 0
    for arrived, total in rows:
        block, done = samples[done // 2:total // 2], total
        if block and max(max(block), -min(block)) >= LOUD:
            if spans and arrived - spans[-1][1] < BRIDGED:
                spans[-1][1] = arrived
            else:
                spans.append([arrived, arrived])
    return spans


def next_call(s, p, before, reason):
    """Waits for the scoreboard to show a number beyond `before`; returns the shot and numbers."""
    def found():
        expect(s.running(), f"the program ended with code {s.app.returncode}:\n"
               + s.program_output())
        shot = s.shot()
        return (shot, p.called(shot)) if len(p.called(shot)) > len(before) else None

    return Session._wait(found, 30, reason, 0.1)


def click_held_during_call(s, p):
    """A card cell clicked while a call's sound plays changes only once that sound is over. A
    try counts when a shot was taken after the click, while the recording shows the sound
    playing before the shot began and still after it, with no new number called."""
    x, y = CARD_1
    colour, numbers = WHITE, set()
    for _ in range(8):
        _, numbers = next_call(s, p, numbers, "the game called no number")
        s.click(x + 12, y + 8)
        shooting = time.monotonic()
        during = s.shot()
        shot = time.monotonic()
        flipped = RED if colour == WHITE else WHITE
        Session._wait(lambda: p.pixel(s.shot(), x + 2, y + 2) == flipped, 30,
                      "a click on a card cell during a call was lost")
        if p.called(during) == numbers and any(
                first < shooting and shot < last - 0.25 for first, last in heard(shot + 0.5)):
            expect(p.pixel(during, x + 2, y + 2) == colour,
                   "a click on a card cell took effect while the call's sound was playing")
            return
        colour = flipped
    raise Failure("in 8 calls no shot was taken while a call's sound played")


def play_with_sound(binary):
    server = int(os.environ["ZANDOR_SERVER_PID"])
    with Session(binary) as s:
        write_tones(s.folder)
        write(os.path.join(s.folder, "MYGAME.INI"), HIGH_TABLE)
        s.start_program({"PULSE_SERVER": os.environ["PULSE_SERVER"]})
        p = Player(s)
        s.click(*VERTICAL)  # the longest type to win: the game outlasts the test
        p.buy(1)
        p.start()
        click_held_during_call(s, p)

        os.kill(server, signal.SIGSTOP)
        numbers = p.called(s.shot())
        for _ in range(4):
            _, numbers = next_call(s, p, numbers, "with the sound server stopped the game froze")
        os.kill(server, signal.SIGCONT)
        resumed = time.monotonic()
        Session._wait(lambda: any(first > resumed and last - first > 1
                                  for first, last in heard(time.monotonic())), 60,
                      "no sound was heard after the sound server was continued", 1)

        os.kill(server, signal.SIGSTOP)
        next_call(s, p, p.called(s.shot()), "with the sound server stopped the game froze")
        s._run(["wmctrl", "-i", "-c", hex(s.main)])
        code = s.wait_exit(30)
        expect(code == 0, f"a close during a call ended the program with code {code}\n"
               + s.program_output())


if __name__ == "__main__":
    if "ZANDOR_SERVER_PID" not in os.environ:
        sys.exit("run it through tests/support/with-null-sink.sh, which starts the sound server")
    sys.exit(run_steps(__doc__, [play_with_sound]))
