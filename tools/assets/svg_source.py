"""Where the picture generators write their SVG sources: assets/pictures/src/."""
import os

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets",
                      "pictures", "src")


def write_svg(name, lines):
    """Writes the SVG's lines, each ended, to assets/pictures/src/<name>."""
    with open(os.path.join(FOLDER, name), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
