#!/usr/bin/env python3
"""Plays Zandor Bingo like a player on a private X display with a window manager.

Usage: play-game.py <path to zandor-bingo>

The splash shows centred, then the main window at the place and size stored in the settings.
Speed 0, two cards, a card cell double-clicked (marked once) and again (unmarked), Start, the
announcement closed with Return, the board cleared, until a computer player's win shows the
winner's card at its place. File, Exit with a balance that earns no place then ends the program
with code 0, without any dialog, writing no high-score table and saving the window's place.
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xsession import (Failure, Session, expect, run_steps, settings_path,  # noqa: E402
                      stored_place, write)

WHITE, RED = 0xFFFFFF, 0xFF0000
CARD_FRAMES = {"GAME1": (32, 256), "Game2": (216, 256), "Game3": (396, 256)}
WINNERS_CARD_CLIENT = (2760 // 15, 3750 // 15)  # its client area's place on the screen
GAMES_FOR_A_WINNERS_CARD = 6  # the player wins a game with two cards of ten about one in five
STORED = {"MainLeft": 3000, "MainTop": 2400, "MainWidth": 11250, "MainHeight": 9000}


def board_cell(n):
    """Client rectangle corner of the scoreboard cell of number n."""
    k, r = (n - 1) % 15, (n - 1) // 15
    return 28 + 44 + 32 * k, 96 + 16 + 24 * r


def card_cell_points(frame):
    """Corner points inside every cell of a card, clear of the numbers."""
    fx, fy = CARD_FRAMES[frame]
    for c in range(5):
        for r in range(5):
            x, y = fx + 8 + 32 * c, fy + 40 + 24 * r
            yield x + 2, y + 2
            yield x + 22, y + 14


class Player:
    def __init__(self, session):
        self.s = session

    def pixel(self, shot, x, y):
        return shot.pixel(x, y + self.s.menu_height)

    def board(self, shot):
        """Colours of the 75 scoreboard cells (None where a cell's two corners differ)."""
        colours = {}
        for n in range(1, 76):
            x, y = board_cell(n)
            a, b = self.pixel(shot, x + 2, y + 2), self.pixel(shot, x + 22, y + 14)
            colours[n] = a if a == b else None
        return colours

    def card_shown(self, shot, frame):
        return all(self.pixel(shot, x, y) == WHITE for x, y in card_cell_points(frame))

    def card_hidden(self, shot, start_shot, frame):
        """Hidden: the background drawn at the start shows through unchanged."""
        return all(self.pixel(shot, x, y) == self.pixel(start_shot, x, y)
                   for x, y in card_cell_points(frame))

    def set_speed(self, key):
        # Slider1 inside Frame3: a click gives it the focus, Home or End moves it to an end.
        self.s.click(576 + 8 + 40, 244 + 32 + 13)
        self.s.keys(self.s.main, key)

    def buy(self, cards):
        self.s.click(32 + [24, 59, 93, 128][cards] + 6, 32 + 16 + 6)

    def start(self):
        self.s.click(368 + 18, 36 + 18)


def double_click_marks_once(s, p):
    """A card cell double-clicked, as players do out of habit, is marked once; a second
    double-click unmarks it."""
    x, y = CARD_FRAMES["GAME1"][0] + 8, CARD_FRAMES["GAME1"][1] + 40
    for colour, state in ((RED, "marked"), (WHITE, "unmarked")):
        s.click(x + 12, y + 8, times=2)
        showing = lambda: p.pixel(s.shot(), x + 2, y + 2) == colour  # noqa: E731
        Session._wait(showing, 5, f"a double-click did not leave the card cell {state}")
        time.sleep(0.5)  # and the cell stays so: no second click comes after
        expect(showing(), f"a double-click did not leave the card cell {state}")
    print("a double-click marks a card cell once")


def play_one(s, p, start, game):
    """Plays the cards bought to the announcement, closes it and checks the window cleared;
    returns the announcement's title."""
    began = time.time()
    p.start()
    dialog = s.wait_dialog(20)
    title = s.title(dialog)
    expect(title in ("Zandor Bingo", "The Winners Card"), f"unexpected window {title!r}")
    print(f"game {game} announced by {title!r} after {time.time() - began:.1f} s")
    if title == "The Winners Card":
        place = s.client_area(dialog)[:2]
        expect(place == WINNERS_CARD_CLIENT,
               f"the winner's card's client area is at {place}, not {WINNERS_CARD_CLIENT}")
    s.keys(dialog, "Return")
    Session._wait(lambda: not s.dialogs(), 5, f"Return did not close {title!r}")

    def cleared():
        shot = s.shot()
        return shot if all(c == WHITE for c in p.board(shot).values()) and all(
            p.card_hidden(shot, start, f) for f in CARD_FRAMES) else None

    try:
        Session._wait(cleared, 5, "")
    except Failure:
        shot = s.shot()
        odd = {n: c for n, c in p.board(shot).items() if c != WHITE}
        shown = [f for f in CARD_FRAMES if not p.card_hidden(shot, start, f)]
        raise Failure(f"after the game the window is not cleared: scoreboard cells not "
                      f"white {odd}, card frames still showing {shown}")
    expect(s.running(), f"the program ended after game {game}")
    return title


def starts_at_the_stored_place(s):
    write(settings_path(s), "[Settings]\n" + "".join(f"{k}={v}\n" for k, v in STORED.items()))
    s.start_program()
    expect(s.splash_frame is not None, "no splash showed before the main window")
    left, top, width, height = s.splash_frame
    expect((width, height) == (604, 414), f"the splash is {width} x {height}, not 604 x 414")
    expect(abs(left + width / 2 - 640) <= 1 and abs(top + height / 2 - 512) <= 1,
           f"the splash is not centred: {s.splash_frame}")
    frame = Session._wait(lambda: (lambda f: f if f[2:] == (750, 600) else None)(
        s.frame(s.main)), 5, f"the main window's frame is {s.frame(s.main)}, not 750 x 600")
    expect(frame[:2] == (200, 160), f"the main window is at {frame[:2]}, not (200, 160)")


def file_exit_saves_the_place(s):
    s.keys(s.main, "alt+f", "x")
    code = s.wait_exit(5)
    expect(code == 0, f"File, Exit ended the program with code {code}\n" + s.program_output())
    expect(not os.path.exists(os.path.join(s.folder, "MYGAME.INI")),
           "a balance that earns no place wrote MYGAME.INI")
    expect(stored_place(s) == STORED, f"the settings hold {stored_place(s)}")


def games_until_a_winners_card(binary):
    with Session(binary) as s:
        p = Player(s)
        starts_at_the_stored_place(s)
        start = s.shot()
        colours = p.board(start)
        expect(all(c == WHITE for c in colours.values()),
               f"the scoreboard is not all white at the start: {colours}")
        for frame in CARD_FRAMES:
            expect(not p.card_shown(start, frame), f"{frame} shows before any card was bought")

        p.set_speed("Home")
        for game in range(1, GAMES_FOR_A_WINNERS_CARD + 1):
            p.buy(2)
            bought = Session._wait(lambda: (lambda shot: shot if p.card_shown(shot, "Game2")
                                            else None)(s.shot()), 5,
                                   "Game 2 did not show after buying two cards (sel2)")
            expect(p.card_shown(bought, "GAME1"), "Game 1 did not show after buying two cards")
            expect(p.card_hidden(bought, start, "Game3"),
                   "Game 3 shows with only two cards bought")
            if game == 1:
                double_click_marks_once(s, p)
            if play_one(s, p, start, game) == "The Winners Card":
                break
        else:
            raise Failure(f"the player won all {GAMES_FOR_A_WINNERS_CARD} games: the winner's "
                          "card never showed")
        file_exit_saves_the_place(s)


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [games_until_a_winners_card]))
