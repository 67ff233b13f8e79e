#!/usr/bin/env python3
"""Writes src/fortune/builtin_texts.cpp from the content files of the fortune
readings. The C++ file is committed and is the source the program is built
from; run this again when the content changes:

    python3 tools/fortune_texts.py CONTENT_DIR

CONTENT_DIR holds
    numbers/number_verdicts.tsv     row, verdict (rows 0-80)
    numbers/personality_types.tsv   type (T1-T9), name, sketch
    divination/pages.tsv            page (0-6), line (1-12), text
    divination/nannv_article.txt    the article of the boy-or-girl picture

The .tsv files are UTF-8 with the column names in the first line, '#'
comment lines and the escapes \\n \\t \\\\. A file that is missing leaves its
texts empty (the fixed texts below excepted), and the content tests say what
is missing.
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "src", "fortune", "builtin_texts.cpp")

# Texts the program fixes itself, whatever the content files say.
FIXED_VERDICTS = {
    0: "大展鸿图，信用得固，名利双收，可获成功",
    80: "最极之数，还本归元，能得繁荣，发达成功",
}
TYPE_NAMES = ["做事喜好凭直觉型", "独断独行/吸引人型", "热情/善变梦想家型", "自我牺牲/性格被动型",
              "要面包不要爱情型", "不善表达/疑心大型", "大胆行事冲动派型", "高度戒备难交心型",
              "好奇心旺求知欲强型"]
FIXED_FIRST_LINES = {
    0: "凌晨1 点-凌晨3点 有人思念你、有客人前来相求事情。",
    1: "子时：主有喜事，右主得财。  午时：主有亲来，想见大吉。",
    4: "子时：左有贵人，右有饮食。午时：左主饮食，右有凶事。",
}


def fail(message):
    sys.exit("fortune_texts: " + message)


def unescape(field):
    out, i = [], 0
    while i < len(field):
        c = field[i]
        if c == "\\" and i + 1 < len(field):
            nxt = field[i + 1]
            out.append({"n": "\n", "t": "\t", "r": "\r", "\\": "\\"}.get(nxt, "\\" + nxt))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def read_tsv(path, columns):
    if not os.path.exists(path):
        print("missing: " + path)
        return None
    rows = []
    header = None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n").rstrip("\r")
            if not line.strip() or line.startswith("#"):
                continue
            fields = [unescape(x) for x in line.split("\t")]
            if header is None:
                header = [x.strip() for x in fields]
                if header != columns:
                    fail("%s: columns %s, expected %s" % (path, header, columns))
                continue
            if len(fields) != len(columns):
                fail("%s:%d: %d fields, expected %d" % (path, number, len(fields), len(columns)))
            rows.append(dict(zip(columns, fields)))
    return rows


def check_gbk(text, where):
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        fail("%s: not encodable in GBK: %r" % (where, text[e.start:e.end]))


def literal(text):
    """A C++ narrow string literal of the text (UTF-8 in the source)."""
    check_gbk(text, "text")
    s = text.replace("\\", "\\\\").replace('"', '\\"').replace("\t", "\\t").replace("\r", "")
    parts = s.split("\n")
    if len(parts) == 1:
        return '"%s"' % s
    return "\n        ".join('"%s\\n"' % p for p in parts[:-1]) + '\n        "%s"' % parts[-1]


def main():
    if len(sys.argv) != 2:
        fail("usage: fortune_texts.py CONTENT_DIR")
    content = sys.argv[1]

    verdicts = [""] * 81
    for r, v in FIXED_VERDICTS.items():
        verdicts[r] = v
    rows = read_tsv(os.path.join(content, "numbers", "number_verdicts.tsv"), ["row", "verdict"])
    for row in rows or []:
        n = int(row["row"])
        if not 0 <= n <= 80:
            fail("verdict row %d outside 0-80" % n)
        if n in FIXED_VERDICTS and row["verdict"].strip() != FIXED_VERDICTS[n]:
            fail("verdict of row %d must read %s" % (n, FIXED_VERDICTS[n]))
        verdicts[n] = row["verdict"].strip()

    sketches = [""] * 9
    rows = read_tsv(os.path.join(content, "numbers", "personality_types.tsv"), ["type", "name", "sketch"])
    for row in rows or []:
        t = int(row["type"].strip().lstrip("Tt"))
        if not 1 <= t <= 9:
            fail("personality type %s outside T1-T9" % row["type"])
        if row["name"].strip() != TYPE_NAMES[t - 1]:
            fail("type T%d is named %s, expected %s" % (t, row["name"], TYPE_NAMES[t - 1]))
        sketches[t - 1] = row["sketch"].strip()

    pages = [[""] * 12 for _ in range(7)]
    for p, text in FIXED_FIRST_LINES.items():
        pages[p][0] = text
    rows = read_tsv(os.path.join(content, "divination", "pages.tsv"), ["page", "line", "text"])
    for row in rows or []:
        p, n = int(row["page"]), int(row["line"])
        if not 0 <= p <= 6 or not 1 <= n <= (12 if p == 0 else 6):
            fail("divination page %d line %d outside the pages" % (p, n))
        pages[p][n - 1] = row["text"].strip()

    article = ""
    path = os.path.join(content, "divination", "nannv_article.txt")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            article = "\n".join(line.rstrip() for line in f.read().strip().splitlines())
    else:
        print("missing: " + path)

    out = []
    out.append("// Written by tools/fortune_texts.py from the content files; edit the")
    out.append("// content and run the tool again. An empty text is content not yet supplied.")
    out.append('#include "fortune/builtin_texts.h"')
    out.append("")
    out.append("namespace lumeno::fortune::texts {")
    out.append("")
    out.append("const char* const kNumberVerdicts[81] = {")
    for n, v in enumerate(verdicts):
        out.append("    %s,  // %d" % (literal(v), n))
    out.append("};")
    out.append("")
    out.append("const char* const kPersonalitySketches[9] = {")
    for t, s in enumerate(sketches, 1):
        out.append("    // T%d %s" % (t, TYPE_NAMES[t - 1]))
        out.append("    %s," % literal(s))
    out.append("};")
    out.append("")
    out.append("const char* const kDivinationLines[7][12] = {")
    for p, lines in enumerate(pages):
        out.append("    {  // page %d" % p)
        for line in lines[: 12 if p == 0 else 6]:
            out.append("        %s," % literal(line))
        out.append("    },")
    out.append("};")
    out.append("")
    out.append("const char* const kBoyOrGirlArticle =")
    out.append("        %s;" % literal(article))
    out.append("")
    out.append("}  // namespace lumeno::fortune::texts")
    with open(OUT, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    print("wrote " + OUT)


if __name__ == "__main__":
    main()
