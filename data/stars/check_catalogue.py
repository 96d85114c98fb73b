#!/usr/bin/env python3
"""Check stardata.csv, Constellations.dat and Boundary.dat the way Orbivale
reads them, so that a data file the program would misread never ships.

The readers are deliberately simple (first-character tests, fixed field
order, fixed table sizes); this script repeats their rules line by line and
exits non-zero when a file breaks one of them or loses a known landmark.

  python3 check_catalogue.py [--data DIR] [--limit MAG] [--self-test]
"""

import argparse
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

LINE_BUFFER = 512          # the readers' line buffer, terminator included
FIGURE_SLOTS = 88
MAX_FIGURE_ENTRIES = 50
BOUNDARY_SLOTS = 3800
SHOWN = 20                 # messages printed of each kind

# Code -> letter of the Symbol typeface, in the reader's lookup order.
GREEK_TABLE = (
    ("alp", "a"), ("bet", "b"), ("gam", "g"), ("del", "d"), ("eps", "e"),
    ("zet", "z"), ("eta", "h"), ("the", "q"), ("iot", "i"), ("kap", "k"),
    ("lam", "l"), ("mu ", "m"), ("nu ", "n"), ("xi ", "x"), ("omi", "o"),
    ("pi ", "p"), ("rho", "r"), ("sig", "s"), ("tau", "t"), ("ups", "u"),
    ("phi", "j"), ("chi", "c"), ("psi", "y"), ("ome", "w"),
)
SPECTRAL_CODES = {"W": 0, "O": 1, "B": 2, "A": 3, "F": 4, "G": 5, "K": 6,
                  "M": 7, "N": 8, "R": 8, "S": 8}


class Report:
    def __init__(self):
        self.errors = []
        self.warnings = []

    def fail(self, msg):
        self.errors.append(msg)

    def warn(self, msg):
        self.warnings.append(msg)


# ---------------------------------------------------------------------------
# C-style scanning


FLOAT_PREFIX = re.compile(r"[ \t\r\n\v\f]*([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?)")
INT_PREFIX = re.compile(r"[ \t]*([+-]?\d+)")


def scan_float(text, pos):
    """%f: skips white space, takes the longest number; (value, new pos) or None."""
    m = FLOAT_PREFIX.match(text, pos)
    if not m:
        return None
    return float(m.group(1)), m.end()


def scan_stars_tail(text):
    """The "%f,%f,%f,%c" of a star line: returns the values matched so far."""
    out = []
    pos = 0
    for i in range(3):
        r = scan_float(text, pos)
        if r is None:
            return out
        out.append(r[0])
        pos = r[1]
        if pos >= len(text) or text[pos] != ",":
            return out
        pos += 1
    if pos < len(text):
        out.append(text[pos])
    return out


def leading_int(text):
    m = INT_PREFIX.match(text)
    return int(m.group(1)) if m else 0


# ---------------------------------------------------------------------------
# stardata.csv


def parse_star_line(line):
    """One data line as the star loader sees it: (names or None, ra, dec, mag,
    class letter).  Raises ValueError for what the loader would misread."""
    text = line.rstrip("\n")
    pos = 0
    while pos < len(text) and text[pos].isdigit():
        pos += 1
    names = None
    if text[pos:pos + 4] == ",,,,":
        pos += 4
    else:
        if text[pos:pos + 1] != ",":
            raise ValueError("identifier not followed by a comma")
        pos += 1
        fields = []
        for _ in range(3):
            end = text.find(",", pos)
            if end < 0:
                fields.append(text[pos:])
                pos = len(text)
            else:
                fields.append(text[pos:end])
                pos = end + 1
        flam_text, greek_text, proper = fields
        flamsteed = leading_int(flam_text) if flam_text else 0
        greek = superscript = ""
        if len(greek_text) > 4:
            if greek_text[3] != " ":
                superscript = greek_text[3]
            for code, letter in GREEK_TABLE:
                if greek_text[:3] == code:
                    greek = letter
                    break
        names = {"flamsteed": flamsteed, "greek": greek,
                 "superscript": superscript, "proper": proper,
                 "greek_field": greek_text, "flamsteed_field": flam_text}
    values = scan_stars_tail(text[pos:])
    if len(values) < 4:
        raise ValueError("position, magnitude and class do not scan as %f,%f,%f,%c")
    ra, dec, mag, letter = values
    return names, ra, dec, mag, letter


def check_stars(path, limit, rep):
    stars = []
    with open(path, "rb") as f:
        raw_lines = f.read().split(b"\n")
    if raw_lines and raw_lines[-1] == b"":
        raw_lines.pop()
    for lineno, raw in enumerate(raw_lines, 1):
        if len(raw) + 1 > LINE_BUFFER - 1:
            rep.fail(f"stardata.csv:{lineno}: {len(raw)} characters, longer than the line buffer")
        try:
            line = raw.decode("ascii")
        except UnicodeDecodeError:
            rep.warn(f"stardata.csv:{lineno}: not plain ASCII")
            line = raw.decode("latin-1")
        if not line[:1].isdigit():
            continue
        try:
            names, ra, dec, mag, letter = parse_star_line(line)
        except ValueError as e:
            rep.fail(f"stardata.csv:{lineno}: {e}")
            continue
        n = len(stars) + 1
        where = f"stardata.csv:{lineno} (star {n})"
        if not (0.0 <= ra < 24.0) or not (-90.0 <= dec <= 90.0):
            rep.fail(f"{where}: position {ra} h {dec} deg out of range")
        if not (0 <= math.trunc((mag + 2.0) * 19.0) <= 255):
            rep.fail(f"{where}: magnitude {mag} has no 8-bit magnitude index")
        if letter not in SPECTRAL_CODES:
            rep.warn(f"{where}: class letter {letter!r} is shown as A")
        if names is not None:
            g = names["greek_field"]
            if g and not names["greek"]:
                rep.fail(f"{where}: Greek field {g!r} gives no letter")
            if names["flamsteed_field"] and not names["flamsteed_field"].isdigit():
                rep.fail(f"{where}: Flamsteed field {names['flamsteed_field']!r} is not a number")
            if not (names["flamsteed"] or names["greek"] or names["proper"]):
                rep.fail(f"{where}: names record with nothing in it (write ',,,,')")
        if stars and mag < stars[-1][3]:
            rep.fail(f"{where}: V {mag} brighter than the star before it; "
                     "the loader stops at the first star past its limit")
        stars.append((names, ra, dec, mag, letter))

    if not stars:
        rep.fail("stardata.csv: no star lines")
        return stars, 0
    first = stars[0][0]
    if not (first and first["flamsteed"] == 9 and first["greek"] == "a"
            and first["superscript"] == "" and first["proper"] == "Sirius"):
        rep.fail(f"stardata.csv: star 1 is not 9 alp CMa Sirius: {first}")
    within = sum(1 for s in stars if s[3] <= limit)
    return stars, within


# ---------------------------------------------------------------------------
# Constellations.dat


def parse_figure_line(line):
    """(label, title, ra, dec, entries) as the figure loader reads a line;
    entries holds every number it would store, before the 50-entry cap."""
    text = line.rstrip("\r\n")
    blank = text.find(" ")
    if blank < 0:
        raise ValueError("no blank after the label")
    label = text[:blank]
    comma = text.find(",", blank + 1)
    if comma < 0:
        raise ValueError("no comma after the title")
    title = text[blank + 1:comma]
    fields = re.split(r"[,\r\n]", text[comma + 1:])
    if len(fields) < 2:
        raise ValueError("label position missing")
    ra_s, dec_s = fields[0], fields[1]
    ra = scan_float(ra_s, 0)
    dec = scan_float(dec_s, 0)
    if ra is None or dec is None:
        raise ValueError("label position is not numeric")
    entries = []
    for f in fields[2:]:
        f = f.lstrip(" ")
        if f.startswith("-"):
            entries.append(-1)
        elif f[:1].isdigit():
            entries.append(leading_int(f))
        else:
            break
    return label, title, ra[0], dec[0], entries


def figure_segments(entries):
    """The renderers' walk: -1 makes the next entry the start of a stroke."""
    segs = []
    prev = None
    i = 0
    while i < len(entries):
        e = entries[i]
        if e == -1:
            i += 1
            prev = entries[i] if i < len(entries) else None
        else:
            if prev is not None:
                segs.append((prev, e))
            prev = e
        i += 1
    return segs


def check_figures(path, stars, within, limit, rep):
    figures = []
    with open(path, "rb") as f:
        raw_lines = f.read().split(b"\n")
    if raw_lines and raw_lines[-1] == b"":
        raw_lines.pop()
    for lineno, raw in enumerate(raw_lines, 1):
        line = raw.decode("latin-1")
        if len(raw) + 1 > LINE_BUFFER - 1:
            rep.fail(f"Constellations.dat:{lineno}: longer than the line buffer")
        if not line[:1].isalpha():
            if line[:1].isdigit():
                rep.warn(f"Constellations.dat:{lineno}: starts with a digit, ignored")
            continue
        try:
            label, title, ra, dec, entries = parse_figure_line(line)
        except ValueError as e:
            rep.fail(f"Constellations.dat:{lineno}: {e}")
            continue
        where = f"Constellations.dat:{lineno} ({label})"
        if len(entries) > MAX_FIGURE_ENTRIES:
            rep.fail(f"{where}: {len(entries)} entries, the loader keeps {MAX_FIGURE_ENTRIES}")
        if not (0.0 <= ra <= 24.0 and -90.0 <= dec <= 90.0):
            rep.fail(f"{where}: label position {ra} h {dec} deg out of range")
        if entries and (entries[0] == -1 or entries[-1] == -1
                        or any(a == b == -1 for a, b in zip(entries, entries[1:]))):
            rep.fail(f"{where}: stroke break at an end or doubled")
        segs = figure_segments(entries)
        if not segs:
            rep.warn(f"{where}: no segments")
        for a, b in segs:
            if a == b:
                rep.warn(f"{where}: zero-length segment at star {a}")
        for n in sorted({e for e in entries if e != -1}):
            if n > 32767:
                rep.fail(f"{where}: star {n} does not fit the 16-bit figure table")
            elif n < 1 or n > len(stars):
                rep.fail(f"{where}: star {n} is not in stardata.csv ({len(stars)} stars)")
            elif stars[n - 1][3] > limit:
                rep.warn(f"{where}: star {n} (V {stars[n - 1][3]}) is fainter than {limit}")
        figures.append((label, title, entries, segs))

    if len(figures) != FIGURE_SLOTS:
        rep.fail(f"Constellations.dat: {len(figures)} figure lines, the table holds {FIGURE_SLOTS}")
    labels = [f[0] for f in figures]
    dups = sorted({l for l in labels if labels.count(l) > 1})
    if dups:
        rep.fail(f"Constellations.dat: labels used twice: {dups}")
    return figures


# ---------------------------------------------------------------------------
# Boundary.dat


def check_boundary(path, rep):
    with open(path, "rb") as f:
        raw_lines = f.read().split(b"\n")
    if raw_lines and raw_lines[-1] == b"":
        raw_lines.pop()
    lines = [r.decode("latin-1") for r in raw_lines]
    if len(lines) > BOUNDARY_SLOTS:
        rep.fail(f"Boundary.dat: {len(lines)} lines, the table holds {BOUNDARY_SLOTS}")
    if not lines or not lines[-1].startswith("$$"):
        rep.fail("Boundary.dat: the last line is not $$")
    rings = [[]]
    entries = 0
    ended = False
    for lineno, line in enumerate(lines, 1):
        if line.startswith("$$"):
            ended = True
            if lineno != len(lines):
                rep.fail(f"Boundary.dat:{lineno}: $$ before the end of the file")
            break
        entries += 1
        if line.startswith("$"):
            rings.append([])
            continue
        # Read from the second character: a point line must give it up freely.
        if line[:1] not in (" ", "\t"):
            rep.fail(f"Boundary.dat:{lineno}: point line does not start with a blank")
        r = scan_float(line, 1)
        d = scan_float(line, r[1]) if r else None
        if d is None:
            rep.fail(f"Boundary.dat:{lineno}: does not scan as '%f %f'")
            continue
        ra, dec = r[0], d[0]
        if not (0.0 <= ra < 24.0 and -90.0 <= dec <= 90.0):
            rep.fail(f"Boundary.dat:{lineno}: point {ra} h {dec} deg out of range")
        rings[-1].append((ra, dec))
    if not ended:
        rep.fail("Boundary.dat: no $$ line")
    for i, ring in enumerate(rings, 1):
        if len(ring) < 4:
            rep.fail(f"Boundary.dat: outline {i} has {len(ring)} points")
        elif ring[0] != ring[-1]:
            rep.fail(f"Boundary.dat: outline {i} is not closed")
    return rings, entries


# ---------------------------------------------------------------------------


def self_test():
    """The reader rules this script relies on, on hand-made lines."""
    names, ra, dec, mag, c = parse_star_line("7,,,,6.75248,-16.71612,-1.46,A")
    assert names is None and (ra, dec, mag, c) == (6.75248, -16.71612, -1.46, "A")
    assert math.trunc((mag + 2) * 19) == 10

    names, *_ = parse_star_line("1,9,alp1Cen,Rigil,1,2,3,G")
    assert (names["flamsteed"], names["greek"], names["superscript"]) == (9, "a", "1")
    names, *_ = parse_star_line("1,,mu  Cep,,1,2,3,M")
    assert (names["greek"], names["superscript"]) == ("m", "")
    names, *_ = parse_star_line("1,,alp,Name,1,2,3,B")
    assert names["greek"] == "" and names["proper"] == "Name"
    # Only a name: ",,," is not ",,,," so a names record is made.
    names, ra, *_ = parse_star_line("12,,,Vega,18.6,38.7,0.03,A")
    assert names["proper"] == "Vega" and ra == 18.6
    try:
        parse_star_line("3,,,,6.7;-16.7,-1.46,A")
        raise AssertionError("a bad separator must not scan")
    except ValueError:
        pass

    label, title, ra, dec, entries = parse_figure_line("Ori Orion,5.5,3.0,5,7,-,9,12")
    assert (label, title, ra, dec) == ("Ori", "Orion", 5.5, 3.0)
    assert entries == [5, 7, -1, 9, 12]
    assert figure_segments(entries) == [(5, 7), (9, 12)]
    *_, entries = parse_figure_line("CMa Canis Major,7,-23,1,2, 3,\r\n")
    assert entries == [1, 2, 3]
    *_, entries = parse_figure_line("Cru Crux,12.5,-60,1,2,x,3")
    assert entries == [1, 2]
    print("self-test passed")


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--data", default=os.path.dirname(HERE),
                    help="folder holding the three files (default %(default)s)")
    ap.add_argument("--limit", type=float, default=7.0,
                    help="load limit whose stars the figures should stay within")
    ap.add_argument("--self-test", action="store_true",
                    help="check this script's reading rules first")
    args = ap.parse_args()
    if args.self_test:
        self_test()

    rep = Report()
    stars, within = check_stars(os.path.join(args.data, "stardata.csv"), args.limit, rep)
    figures = check_figures(os.path.join(args.data, "Constellations.dat"),
                            stars, within, args.limit, rep)
    rings, entries = check_boundary(os.path.join(args.data, "Boundary.dat"), rep)

    fig_stars = {e for f in figures for e in f[2] if e != -1}
    faint = sum(1 for n in fig_stars if 0 < n <= len(stars) and stars[n - 1][3] > args.limit)
    longest = max((len(f[2]) for f in figures), default=0)
    print(f"stardata.csv: {len(stars)} stars, {within} to V {args.limit:g}, "
          f"faintest V {stars[-1][3] if stars else 'n/a'}")
    print(f"Constellations.dat: {len(figures)} figures, "
          f"{sum(len(f[3]) for f in figures)} segments, longest line {longest} entries, "
          f"{len(fig_stars)} figure stars, {faint} fainter than V {args.limit:g}")
    print(f"Boundary.dat: {len(rings)} outlines, {entries} table entries, "
          f"{entries + 1} lines with $$")
    # A systematic fault repeats on every line; the first few tell the story.
    for label, msgs in (("warning:", rep.warnings), ("FAIL:", rep.errors)):
        for m in msgs[:SHOWN]:
            print(label, m)
        if len(msgs) > SHOWN:
            print(label, f"... and {len(msgs) - SHOWN} more")
    if rep.errors:
        sys.exit(1)
    print("ok")


if __name__ == "__main__":
    main()
