#!/usr/bin/python3
"""Cuts the design's two faces down to what the pop-up can show and writes them
beside this script, with their license; the exe carries them as resources and
loads them privately, so every desk draws the same faces.

  OpenSans-Light.ttf     "Open Sans Light" (the reply, the title, the cross)
  OpenSans-Regular.ttf   "Open Sans" (the message, the send button)
  OpenSans-LICENSE.txt   the Apache License 2.0, under which both are published

They come from Debian's fonts-open-sans, cut with fontTools (Debian's
python3-fonttools; hence Debian's own python3 above) to the characters that
Windows' ANSI code pages can hold and Open Sans draws: Latin (1250, 1252, 1254,
1257, 1258), Greek (1253), Cyrillic (1251), and "…", which ends a message that
was cut. The text reaches the window through those code pages only, so no other
character can need them. What GDI reads is kept as it was: the hinting (its
ClearType and grayscale rendering use it), the gasp table, every name and the
OS/2 table's ranges. The legacy kern table goes: GDI draws text unkerned.

Run it again after Debian's fonts change; the output is the same for the same
input, and the build uses the files it wrote, not this script.
"""
import os
import shutil

from fontTools import subset
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = "/usr/share/fonts/truetype/open-sans"
LICENSE = "/usr/share/common-licenses/Apache-2.0"
CODE_PAGES = (1250, 1251, 1252, 1253, 1254, 1257, 1258)
FACES = ("OpenSans-Light.ttf", "OpenSans-Regular.ttf")


def code_page_characters():
    """Every printable character of the code pages, and the ellipsis."""
    found = {"\u2026"}
    for page in CODE_PAGES:
        for byte in range(0x20, 0x100):
            try:
                found.add(bytes([byte]).decode(f"cp{page}"))
            except UnicodeDecodeError:
                pass  # a byte the code page leaves undefined
    return found


def cut(face, characters):
    font = TTFont(os.path.join(SOURCE, face))
    drawn = font.getBestCmap()
    options = subset.Options()
    options.hinting = True
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.prune_unicode_ranges = False
    options.glyph_names = False
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in characters if ord(c) in drawn))
    subsetter.subset(font)
    font.save(os.path.join(HERE, face))


def main():
    characters = code_page_characters()
    for face in FACES:
        cut(face, characters)
    shutil.copyfile(LICENSE, os.path.join(HERE, "OpenSans-LICENSE.txt"))


if __name__ == "__main__":
    main()
