"""The player's controls and the numbers in the main window's client area (pixels at scale 1,
from the design's twips), for the scripts that play the real program with xdotool."""
WHITE, RED = 0xFFFFFF, 0xFF0000
CARD_1 = (32 + 8, 256 + 40)  # card 1's top left cell


class Player:
    def __init__(self, session):
        self.s = session

    def pixel(self, shot, x, y):
        """A client pixel of a shot of the main window."""
        return shot.pixel(x, y + self.s.menu_height)

    def called(self, shot):
        """The numbers lit red on the scoreboard."""
        return {n for n in range(1, 76) if self.pixel(
            shot, 72 + 32 * ((n - 1) % 15) + 2, 112 + 24 * ((n - 1) // 15) + 2) == RED}

    def card_shown(self, shot):
        """Card 1 is bought: both corners of each of its cells are white."""
        return all(self.pixel(shot, CARD_1[0] + 32 * c + dx, CARD_1[1] + 24 * r + dy) == WHITE
                   for c in range(5) for r in range(5) for dx, dy in ((2, 2), (22, 14)))

    def buy(self, cards):
        """Buys the cards and waits for card 1 to show."""
        self.s.click(32 + [24, 59, 93, 128][cards] + 6, 32 + 16 + 6)
        self.s._wait(lambda: self.card_shown(self.s.shot()), 5, f"no card after buying {cards}")

    def set_speed(self, key, right=0):
        # Slider1 inside Frame3: a click gives it the focus, Home or End moves it to an end.
        self.s.click(576 + 8 + 40, 244 + 32 + 13)
        self.s.keys(self.s.main, key, *(["Right"] * right))

    def start(self):
        self.s.click(368 + 18, 36 + 18)
