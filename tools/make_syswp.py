#!/usr/bin/env python3
"""Writes SYSSWP.DLL, the five-stroke lookup file that GetWBCode reads.

The file is a flat table of one-byte entries addressed by 1-based position.
The byte at position v is the upper-case letter (A-Y) that starts the Wubi 86
code of the character whose position is v, or 0 when no character there has a
code. Only characters that are double-byte in code page 936 (GBK) are looked
up by GetWBCode, so only those are written.

Position of a character. Let u be its UTF-16 code unit, b1 = u & 0xFF its low
byte and b2 = u >> 8 its high byte. The component writes "&h", b1 and then b2,
each in upper-case hexadecimal without leading zeros, and reads that text as a
32-bit number. Hence
    v = b1 * 256 + b2   when b2 >= 0x10 (two hexadecimal digits for b2),
    v = b1 * 16 + b2    when b2 <  0x10 (one digit for b2).
The text is read as a 32-bit number, so a text of 8000 hexadecimal or more
(a low byte b1 of 0x80 or more) is positive: v = b1 * 256 + b2 without sign,
up to 0xFFFF. Every CJK ideograph has 0x4E <= b2 <= 0x9F and takes the first
form. The file has 65535 bytes, one for every position 1..65535.

Two characters can share a position only when one of them has b2 < 0x10 and
the other b1 < 0x10. Of the characters that have a code, the one with the
lower code unit (the first in code order) keeps the position.

Letter of a character. The dictionary lists, per character, its full code and
often shorter codes. The most frequent characters have a one-letter short code
that is not the start of their full code (我: q, full code trnt), so the
letter is taken from the character's longest code; where several codes share
that length (variant decompositions of some traditional characters), the one
with the highest weight, and at equal weight the first in the dictionary,
decides. Codes beginning with z are the dictionary's look-up codes, not Wubi
codes, and are left out; so are lines commented out with '#'.
"""

import argparse
import sys

FILE_SIZE = 0xFFFF


def position(unit: int) -> int:
    b1 = unit & 0xFF
    b2 = unit >> 8
    return b1 * 256 + b2 if b2 >= 0x10 else b1 * 16 + b2


def is_double_byte(ch: str) -> bool:
    try:
        return len(ch.encode("cp936")) == 2
    except UnicodeEncodeError:
        return False


def read_codes(dictionary_path: str) -> dict:
    """Maps each single character to (code, weight, line number) of its chosen code."""
    with open(dictionary_path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    try:
        start = lines.index("...") + 1
    except ValueError:
        sys.exit(f"{dictionary_path}: no end of the dictionary header ('...')")
    chosen = {}
    for number, line in enumerate(lines[start:], start + 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) < 2:
            sys.exit(f"{dictionary_path}:{number}: no code on this line")
        text, code = fields[0], fields[1]
        if len(text) != 1 or not code or code.startswith("z"):
            continue
        if not code.isascii() or not code.isalpha():
            sys.exit(f"{dictionary_path}:{number}: code {code!r} is not a Wubi code")
        weight = float(fields[2]) if len(fields) > 2 and fields[2] else 0.0
        old = chosen.get(text)
        # Longest code first, then the higher weight; at a tie the earlier line stays.
        if old is None or (len(code), weight) > (len(old[0]), old[1]):
            chosen[text] = (code, weight, number)
    return chosen


def build_table(chosen: dict) -> bytearray:
    table = bytearray(FILE_SIZE)
    for ch in sorted(chosen, key=ord):
        unit = ord(ch)
        if unit > 0xFFFF or not is_double_byte(ch):
            continue
        v = position(unit)
        if table[v - 1] == 0:
            table[v - 1] = ord(chosen[ch][0][0].upper())
    return table


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--dictionary", required=True, help="wubi86.dict.yaml of rime-data-wubi")
    parser.add_argument("--output", required=True, help="the SYSSWP.DLL to write")
    args = parser.parse_args()
    table = build_table(read_codes(args.dictionary))
    if sum(1 for b in table if b) < 6000:
        sys.exit(f"{args.dictionary}: too few characters with a code; not a Wubi 86 dictionary?")
    with open(args.output, "wb") as f:
        f.write(table)
    return 0


if __name__ == "__main__":
    sys.exit(main())
