#!/usr/bin/env python3
"""Plays Zandor Bingo like a player on a private X display with a window manager.

Usage: play-game.py <path to zandor-bingo>

The splash shows centred, then the main window at the place and size stored in the settings.
Speed 0, two cards, a card cell double-clicked (marked once) and again (unmarked), Start, the
announcement closed with Return, until a computer player's win shows the winner's card at its
place. File, Exit with a balance that earns no place then ends the program with code 0,
without any dialog, writing no high-score table and saving the window's place.
Exits 77 (skipped) when Xvfb is not installed.
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from player import CARD_1, RED, WHITE, Player  # noqa: E402
from xsession import (Failure, Session, expect, run_steps, settings_path,  # noqa: E402
                      stored_place, write)

WINNERS_CARD_CLIENT = (2760 // 15, 3750 // 15)  # its client area's place on the screen
GAMES_FOR_A_WINNERS_CARD = 6  # the player wins a game with two cards of ten about one in five
STORED = {"MainLeft": 3000, "MainTop": 2400, "MainWidth": 11250, "MainHeight": 9000}


def double_click_marks_once(s, p):
    """A card cell double-clicked, as players do out of habit, is marked once; a second
    double-click unmarks it."""
    x, y = CARD_1
    for colour, state in ((RED, "marked"), (WHITE, "unmarked")):
        s.click(x + 12, y + 8, times=2)
        showing = lambda: p.pixel(s.shot(), x + 2, y + 2) == colour  # noqa: E731
        Session._wait(showing, 5, f"a double-click did not leave the card cell {state}")
        time.sleep(0.5)  # and the cell stays so: no second click comes after
        expect(showing(), f"a double-click did not leave the card cell {state}")


def play_one(s, p):
    """Plays the cards bought to the announcement and closes it; returns its title."""
    p.start()
    dialog = s.wait_dialog(20)
    title = s.title(dialog)
    expect(title in ("Zandor Bingo", "The Winners Card"), f"unexpected window {title!r}")
    if title == "The Winners Card":
        place = s.client_area(dialog)[:2]
        expect(place == WINNERS_CARD_CLIENT,
               f"the winner's card's client area is at {place}, not {WINNERS_CARD_CLIENT}")
    s.keys(dialog, "Return")
    Session._wait(lambda: not s.dialogs(), 5, f"Return did not close {title!r}")
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
        p.set_speed("Home")
        for game in range(1, GAMES_FOR_A_WINNERS_CARD + 1):
            p.buy(2)
            if game == 1:
                double_click_marks_once(s, p)
            if play_one(s, p) == "The Winners Card":
                break
        else:
            raise Failure(f"the player won all {GAMES_FOR_A_WINNERS_CARD} games: the winner's "
                          "card never showed")
        file_exit_saves_the_place(s)


if __name__ == "__main__":
    sys.exit(run_steps(__doc__, [games_until_a_winners_card]))
