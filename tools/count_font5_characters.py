#!/usr/bin/env python3
"""Counts how often each Hangul syllable and CJK ideograph occurs in the
Korean, simplified Chinese and traditional Chinese translation catalogues
installed on this machine, and writes the counts that tools/gen_font_tables.py
ranks font 5's characters by.

    python3 tools/count_font5_characters.py [OUTPUT]

Source: every gettext catalogue /usr/share/locale/{ko,zh_CN,zh_TW}/LC_MESSAGES/*.mo,
that is the translations shipped by the Debian 12 packages of the build
machine (apt, dpkg, coreutils, git, glib, gtk, GStreamer, the ISO code lists,
PostgreSQL and others; the output's first lines name every catalogue). Only the translated texts (msgstr) are counted, once
per occurrence. The output is committed (tools/font5_character_counts.tsv),
so the font tables do not depend on what a machine has installed.

Output: one line per language and character, "language<TAB>U+XXXX<TAB>count",
most used first (ties in code order), after comment lines naming the
catalogues counted.
"""

import collections
import glob
import os
import struct
import sys

LANGUAGES = ("ko", "zh_CN", "zh_TW")
LOCALE_ROOT = "/usr/share/locale"
MO_MAGIC_LITTLE = 0x950412DE
MO_HEADER_BYTES = 28


def is_counted(ch):
    return 0xAC00 <= ch <= 0xD7A3 or 0x4E00 <= ch <= 0x9FFF


def translations(path):
    """The msgstr texts of a gettext .mo file."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < MO_HEADER_BYTES:
        return
    order = "<" if struct.unpack("<I", data[:4])[0] == MO_MAGIC_LITTLE else ">"
    count, _, table = struct.unpack(order + "III", data[8:20])
    for i in range(count):
        entry = table + 8 * i
        if entry + 8 > len(data):
            return
        length, offset = struct.unpack(order + "II", data[entry : entry + 8])
        if offset + length > len(data):
            continue
        try:
            yield data[offset : offset + length].decode("utf-8")
        except UnicodeDecodeError:
            continue


def count(language):
    counts = collections.Counter()
    catalogues = sorted(glob.glob(os.path.join(LOCALE_ROOT, language, "LC_MESSAGES", "*.mo")))
    for path in catalogues:
        for text in translations(path):
            counts.update(ch for ch in map(ord, text) if is_counted(ch))
    return [os.path.basename(p) for p in catalogues], counts


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "font5_character_counts.tsv")
    lines = ["# Characters counted in the translation catalogues of Debian packages;",
             "# made by tools/count_font5_characters.py."]
    body = []
    for language in LANGUAGES:
        catalogues, counts = count(language)
        lines.append(f"# {language}: {' '.join(catalogues)}")
        for ch, n in sorted(counts.items(), key=lambda item: (-item[1], item[0])):
            body.append(f"{language}\tU+{ch:04X}\t{n}")
    with open(target, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines + body) + "\n")


if __name__ == "__main__":
    main()
