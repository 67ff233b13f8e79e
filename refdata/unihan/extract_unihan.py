#!/usr/bin/env python3
"""Writes refdata/unihan/unihan-gbk.txt, the part of the Unihan database that
the reference database build reads.

Run by hand, once per new Unihan release (it is not part of the build):

    python3 refdata/unihan/extract_unihan.py [UNIHAN_DIR]

UNIHAN_DIR holds the Unihan_*.txt files, plain or bzip2-compressed (Debian's
unicode-data package installs them under /usr/share/unicode, the default).

Which characters: every Chinese character that a double-byte GBK code stands
for (decoded both as GBK and as GB 18030, so that whichever of the two a C
library follows is covered), and every character that one of those names as
its traditional, simplified or compatibility variant (the build follows
those one step: a simplified character is counted by its traditional form,
and a character without a reading borrows a variant's).

Which fields: those the generators read, with their values as Unihan writes
them; fields a character lacks stay empty. The output is sorted by code point
and depends on nothing but the input files, so running the script twice gives
the same file.
"""
import bz2
import os
import sys

FIELDS = [
    "kRSUnicode",             # radical and residual strokes (first value used)
    "kRSKangXi",              # place in the Kangxi dictionary
    "kTotalStrokes",          # written strokes; the last value is the traditional count
    "kIRG_TSource",           # Taiwan source: T1, T2 are the common traditional sets
    "kCompatibilityVariant",  # the unified character a compatibility one stands for
    "kTraditionalVariant",
    "kSimplifiedVariant",
    "kMandarin",              # the usual Mandarin reading(s)
    "kTGHZ2013",              # readings of the 2013 general standard character dictionary
    "kXHC1983",               # readings of the modern Chinese dictionary (1983)
    "kHanyuPinyin",           # readings of the Hanyu Da Zidian
    "kTGH",                   # place in the 2013 general standard character list
    "kGB0",                   # place in GB 2312
]

FILES = ["Unihan_IRGSources", "Unihan_RadicalStrokeCounts", "Unihan_Variants", "Unihan_Readings",
         "Unihan_OtherMappings"]

LICENCE = """\
# Extract of the Unihan database (Unicode {version}) for Lumeno: only the
# characters of GBK and their variants, and only the fields named in the
# column line below. The data has been modified from the original files:
# characters and fields were left out and the values were regrouped into one
# line per character; every value kept is unchanged.
# Made by refdata/unihan/extract_unihan.py from the Unihan_*.txt files.
#
# COPYRIGHT AND PERMISSION NOTICE
#
# Copyright (c) 1991-2022 Unicode, Inc. All rights reserved.
# Distributed under the Terms of Use in https://www.unicode.org/copyright.html.
#
# Permission is hereby granted, free of charge, to any person obtaining a
# copy of the Unicode data files and any associated documentation (the "Data
# Files") or Unicode software and any associated documentation (the "Software")
# to deal in the Data Files or Software without restriction, including without
# limitation the rights to use, copy, modify, merge, publish, distribute,
# and/or sell copies of the Data Files or Software, and to permit persons to
# whom the Data Files or Software are furnished to do so, provided that (a)
# the above copyright notice(s) and this permission notice appear with all
# copies of the Data Files or Software, (b) both the above copyright
# notice(s) and this permission notice appear in associated documentation,
# and (c) there is clear notice in each modified Data File or in the
# Software as well as in the documentation associated with the Data File(s)
# or Software that the data or software has been modified.
#
# THE DATA FILES AND SOFTWARE ARE PROVIDED "AS IS", WITHOUT WARRANTY OF ANY
# KIND, EXPRESS OR IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF
# MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT OF
# THIRD PARTY RIGHTS. IN NO EVENT SHALL THE COPYRIGHT HOLDER OR HOLDERS
# INCLUDED IN THIS NOTICE BE LIABLE FOR ANY CLAIM, OR ANY SPECIAL INDIRECT
# OR CONSEQUENTIAL DAMAGES, OR ANY DAMAGES WHATSOEVER RESULTING FROM LOSS
# OF USE, DATA OR PROFITS, WHETHER IN AN ACTION OF CONTRACT, NEGLIGENCE OR
# OTHER TORTIOUS ACTION, ARISING OUT OF OR IN CONNECTION WITH THE USE OR
# PERFORMANCE OF THE DATA FILES OR SOFTWARE.
#
# Except as contained in this notice, the name of a copyright holder
# shall not be used in advertising or otherwise to promote the sale,
# use or other dealings in these Data Files or Software without prior
# written authorization of the copyright holder.
#
# Unicode and the Unicode Logo are registered trademarks of Unicode, Inc.
# in the U.S. and other countries.
#
"""


def open_unihan(folder, name):
    plain = os.path.join(folder, name + ".txt")
    if os.path.exists(plain):
        return open(plain, encoding="utf-8")
    packed = plain + ".bz2"
    if os.path.exists(packed):
        return bz2.open(packed, "rt", encoding="utf-8")
    sys.exit("missing %s(.bz2) in %s" % (name + ".txt", folder))


def read_unihan(folder):
    data = {}
    version = None
    wanted = set(FIELDS)
    for name in FILES:
        with open_unihan(folder, name) as f:
            for line in f:
                if line.startswith("# Unicode version:"):
                    version = line.split(":", 1)[1].strip()
                if not line.startswith("U+"):
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in wanted:
                    if "\t" in value:
                        sys.exit("tab inside a value: " + line)
                    data.setdefault(int(cp[2:], 16), {})[field] = value
    return data, version or "unknown"


def gbk_characters():
    found = set()
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            for codec in ("gbk", "gb18030"):
                try:
                    text = bytes([lead, trail]).decode(codec)
                except UnicodeDecodeError:
                    continue
                if len(text) == 1:
                    found.add(ord(text))
    return found


def code_points(value):
    out = []
    for item in value.split():
        if item.startswith("U+"):
            out.append(int(item[2:].split("<")[0], 16))
    return out


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/unicode"
    data, version = read_unihan(folder)
    chars = {cp for cp in gbk_characters() if "kRSUnicode" in data.get(cp, {})}
    for cp in list(chars):
        for field in ("kTraditionalVariant", "kSimplifiedVariant", "kCompatibilityVariant"):
            for v in code_points(data[cp].get(field, "")):
                if "kRSUnicode" in data.get(v, {}):
                    chars.add(v)
    out_path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "unihan-gbk.txt")
    with open(out_path, "w", encoding="utf-8", newline="\n") as out:
        out.write(LICENCE.format(version=version))
        out.write("cp\t" + "\t".join(FIELDS) + "\n")
        for cp in sorted(chars):
            fields = data[cp]
            out.write("U+%04X\t" % cp + "\t".join(fields.get(name, "") for name in FIELDS) + "\n")
    print("%s: %d characters" % (out_path, len(chars)))


if __name__ == "__main__":
    main()
