#!/usr/bin/env python3
"""Writes the fonts of the window tests' own font set (tests/data/fonts).

The fonts hold a box for each character, enough to lay text out and to print
it; what matters is their advances:
- "Fixture Mono": every character the same advance, except a dash and a box
  drawing line of other widths, so the font database does not call the family
  fixed-pitch although every printable ASCII character has the same advance.
- "Courier": a family of that name whose characters have different advances.
- "Fixture Sans": a proportional family for the windows' own texts.
Needs fontTools (Debian: python3-fonttools); run from the repository's root
with /usr/bin/python3. fonts.conf.in beside them makes them the only fonts.
"""
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

CHARS = list(range(0x20, 0x7F)) + list(range(0xA0, 0x180))
UPM = 1000


def box(width):
    pen = TTGlyphPen(None)
    if width > 100:
        pen.moveTo((50, 0))
        pen.lineTo((50, 700))
        pen.lineTo((width - 50, 700))
        pen.lineTo((width - 50, 0))
        pen.closePath()
    return pen.glyph()


def build(family, path, advance_of):
    names = [".notdef"] + ["uni%04X" % c for c in CHARS]
    advances = {".notdef": 600}
    cmap = {}
    for c in CHARS:
        name = "uni%04X" % c
        advances[name] = advance_of(c)
        cmap[c] = name
    extra = {0x2014: 900, 0x2502: 1200}
    for c, width in extra.items():
        if family == "Fixture Mono":
            name = "uni%04X" % c
            names.append(name)
            advances[name] = width
            cmap[c] = name
    fb = FontBuilder(UPM, isTTF=True)
    fb.setupGlyphOrder(names)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf({name: box(advances[name]) for name in names})
    fb.setupHorizontalMetrics({name: (advances[name], 50) for name in names})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable({"familyName": family, "styleName": "Regular"})
    fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200)
    fb.setupPost()
    fb.save(path)


build("Fixture Mono", "tests/data/fonts/FixtureMono.ttf", lambda c: 600)
build("Courier", "tests/data/fonts/FixtureCourier.ttf", lambda c: 400 + (c % 5) * 100)
build("Fixture Sans", "tests/data/fonts/FixtureSans.ttf", lambda c: 300 + (c % 7) * 80)
