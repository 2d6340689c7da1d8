#!/bin/sh
# Takes the README's screenshots from the real program on a private X display:
#   docs/screenshots/start.png   the window as it opens
#   docs/screenshots/game.png    a game in progress with three cards and Auto marking
#   docs/screenshots/winner.png  a computer player's winning card over the window
# Usage: tools/docs/screenshots.sh <build folder>   (needs Xvfb, openbox, xdotool, imagemagick)
set -eu
if [ $# -ne 1 ] || [ ! -x "$1/zandor-bingo" ]; then
    echo "usage: $0 <build folder holding zandor-bingo>" >&2
    exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$root/docs/screenshots"
exec python3 - "$1/zandor-bingo" "$root/docs/screenshots" "$root/tests/support" <<'EOF'
import os
import sys
import time

binary, out, helpers = sys.argv[1:4]
sys.path.insert(0, helpers)
from player import Player  # noqa: E402
from xsession import Failure, Session  # noqa: E402


def close_dialogs(s):
    for dialog in s.dialogs():
        s.keys(dialog, "Return")
    Session._wait(lambda: not s.dialogs(), 5, "a dialog did not close")


def locate(inner, outer):
    """Where the picture inner lies in outer, found by rows across the control panel's corner."""
    def row(shot, x, y):
        start = (y * shot.width + x) * 3
        return shot.raw[start:start + 48 * 3]

    first = row(inner, 16, 12)
    at = outer.raw.find(first)
    while at >= 0:
        y, x = divmod(at // 3, outer.width)
        if at % 3 == 0 and all(row(outer, x, y + r) == row(inner, 16, 12 + r)
                               for r in range(40)):
            return x - 16, y - 12
        at = outer.raw.find(first, at + 1)
    raise Failure("the main window was not found on the screen")


s = Session(binary, 1024, 768)
try:
    s.start_program()
    p = Player(s)
    s._run(["xdotool", "mousemove", "0", "0"])
    time.sleep(0.5)
    window = s.shot(path=os.path.join(out, "start.png"))

    # A game with three cards, Auto marking and a moderate caller: wait for a dozen calls.
    s.click(188 + 28 + 8, 24 + 20 + 8)  # automancheck
    p.set_speed("Home", 2)
    for attempt in range(5):
        p.buy(3)
        p.start()
        try:
            Session._wait(lambda: not s.dialogs() and len(p.called(s.shot())) >= 14 or
                          s.dialogs(), 30, "the game did not get going")
        except Failure:
            continue
        if not s.dialogs():
            s._run(["xdotool", "mousemove", "0", "0"])
            s.shot(path=os.path.join(out, "game.png"))
            break
        close_dialogs(s)
    else:
        raise Failure("no game lasted long enough for its picture")
    s.wait_dialog(60)
    close_dialogs(s)

    # Fast games with one card until a computer player wins.
    p.set_speed("Home")
    for attempt in range(20):
        try:
            p.buy(1)
        except Failure:  # out of cash
            close_dialogs(s)
            continue
        p.start()
        dialog = s.wait_dialog(30)
        if s.title(dialog) == "The Winners Card":
            time.sleep(0.5)
            full = os.path.join(s.tmp, "root.png")
            x, y = locate(s.shot(), s.shot("root", full))
            s._run(["convert", full, "-crop", f"{window.width}x{window.height}+{x}+{y}",
                    "+repage", os.path.join(out, "winner.png")])
            close_dialogs(s)
            break
        close_dialogs(s)
    else:
        raise Failure("no computer player won in 20 games")
    print("screenshots written to", out)
except Failure as failure:
    print("screenshots failed:", failure, file=sys.stderr)
    sys.exit(1)
finally:
    s.close()
EOF
