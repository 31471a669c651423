#!/usr/bin/env python3
"""Writes a pseudo-translation of a catalogue: every text marked with
accented letters and made 40% longer, so that tests show a caption that
is not translated or has no room to grow. Placeholders (%1), access keys
(&), tags and the "short|long" split of hints are kept.

Usage: pseudo_catalogue.py SOURCE.ts PSEUDO.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans("AaCcEeIiNnOoUuYySsZz", "ÅåÇçÉéÎîÑñÖöÜüÝýŠšŽž")
PADDING = "ŴéÎõÜ"
KEPT = re.compile(r"(%[0-9]+|&&|&|<[^>]*>)")


def pseudo_part(text):
    if not text.strip():
        return text
    pieces = KEPT.split(text)
    marked = "".join(piece if KEPT.fullmatch(piece) else piece.translate(ACCENTED)
                      for piece in pieces)
    shown = len(KEPT.sub("", text))
    # A one-letter caption (B, I, U) is a symbol and stays one letter.
    extra = math.floor(shown * 0.4 + 0.5)
    return marked + (PADDING * extra)[:extra]


def pseudo(text):
    return "\n".join("|".join(pseudo_part(part) for part in line.split("|"))
                     for line in text.split("\n"))


def main():
    tree = ET.parse(sys.argv[1])
    for message in tree.getroot().iter("message"):
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        translation.text = pseudo(message.findtext("source"))
    tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
