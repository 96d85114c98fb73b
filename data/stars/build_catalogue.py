#!/usr/bin/env python3
"""Build Orbivale's star catalogue, constellation figures and boundaries.

Inputs come from two Debian packages, fetched once with `apt-get download` and
unpacked with `dpkg -x` into a cache (never installed):

  kstars-data  stars.dat (Hipparcos/Tycho to V 8.99), clines.dat (figures),
               cnames.dat (label positions), cbounds.dat (IAU boundaries)
  xplanet      stars/BSC (Yale Bright Star Catalogue: Flamsteed, Bayer, HR, HD, V)

Outputs (written next to this folder, in data/):

  stardata.csv       one star a line, brightest first
  Constellations.dat 88 figures as 1-based star numbers of stardata.csv
  Boundary.dat       simplified boundary rings

stardata.csv stops at V 8.99 here; build_deep.py appends the fainter stars
and must be run again after this script.  The output depends only on the
input files, so a rerun with the same packages gives byte-identical files.
Python 3 standard library only.
"""

import argparse
import bisect
import glob
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
from collections import defaultdict

HERE = os.path.dirname(os.path.abspath(__file__))
DATA_DIR = os.path.dirname(HERE)
DEFAULT_CACHE = os.path.join(os.path.expanduser("~"), ".cache", "orbivale")

PACKAGES = ("kstars-data", "xplanet")
KSTARS_DIR = "usr/share/kstars"
BSC_PATH = "usr/share/xplanet/stars/BSC"

# The program loads stars down to this magnitude unless the user changes it;
# figure stars should all be inside it.
DEFAULT_LOAD_LIMIT = 7.0
MAX_FIGURE_ENTRIES = 50
FIGURE_SLOTS = 88
MAX_BOUNDARY_LINES = 3800

# Cross-match limits between stars.dat and the BSC.
MATCH_RADIUS_DEG = 0.05
MATCH_MAX_DMAG = 0.8
# Figure stars whose BSC entry has no stars.dat partner (close doubles merged
# into one Hipparcos entry) go to the nearest star within this radius.
DOUBLE_RADIUS_DEG = 0.2

# Pairs this close whose Bayer designations agree are one (variable) star.
VARIABLE_RADIUS_DEG = 10.0 / 3600.0

BOUNDARY_TOLERANCE_DEG = 0.02

# Three-letter Greek codes the star reader understands (blank-padded).
GREEK_CODES = (
    "alp", "bet", "gam", "del", "eps", "zet", "eta", "the", "iot", "kap",
    "lam", "mu ", "nu ", "xi ", "omi", "pi ", "rho", "sig", "tau", "ups",
    "phi", "chi", "psi", "ome",
)

# cnames.dat labels the two halves of Serpens separately.
SERPENS_PARTS = ("SCp", "SCd")

# Classes the reader maps to distinct colours; anything else is shown as A.
KNOWN_CLASSES = "WOBAFGKMNRS"
TEMPERATURE_ORDER = "OBAFGKM"


# ---------------------------------------------------------------------------
# Sources


def find_or_download(cache, package):
    debs = os.path.join(cache, "debs")
    os.makedirs(debs, exist_ok=True)
    found = sorted(glob.glob(os.path.join(debs, package + "_*.deb")))
    if not found:
        print(f"downloading {package} into {debs}", file=sys.stderr)
        subprocess.run(["apt-get", "download", package], cwd=debs, check=True)
        found = sorted(glob.glob(os.path.join(debs, package + "_*.deb")))
        if not found:
            sys.exit(f"apt-get download {package} left no .deb in {debs}")
    return found[-1]


def unpack(cache, deb):
    """Unpack a .deb once; later runs reuse the tree."""
    stem = os.path.basename(deb)[:-len(".deb")]
    root = os.path.join(cache, "unpacked")
    target = os.path.join(root, stem)
    if os.path.isdir(target):
        return target
    os.makedirs(root, exist_ok=True)
    # Unpack beside the target and rename, so an interrupted run never leaves
    # a half-filled tree that a later run would trust.
    tmp = tempfile.mkdtemp(prefix=stem + ".", dir=root)
    try:
        subprocess.run(["dpkg", "-x", deb, tmp], check=True)
        os.rename(tmp, target)
    except OSError:
        if not os.path.isdir(target):
            raise
    finally:
        if os.path.isdir(tmp):
            shutil.rmtree(tmp)
    return target


def package_version(deb):
    out = subprocess.run(["dpkg-deb", "-f", deb, "Version"], check=True,
                         capture_output=True, text=True)
    return out.stdout.strip()


# ---------------------------------------------------------------------------
# Geometry


def unit_vector(ra_hours, dec_deg):
    a = math.radians(ra_hours * 15.0)
    d = math.radians(dec_deg)
    return (math.cos(d) * math.cos(a), math.cos(d) * math.sin(a), math.sin(d))


def angle_deg(u, v):
    # Chord-based, accurate for the tiny separations matching works with.
    c = math.sqrt((u[0] - v[0]) ** 2 + (u[1] - v[1]) ** 2 + (u[2] - v[2]) ** 2)
    return math.degrees(2.0 * math.asin(min(1.0, c / 2.0)))


def cross(u, v):
    return (u[1] * v[2] - u[2] * v[1],
            u[2] * v[0] - u[0] * v[2],
            u[0] * v[1] - u[1] * v[0])


def dot(u, v):
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]


def arc_distance_deg(p, a, b):
    """Angular distance from p to the short great-circle arc a-b."""
    n = cross(a, b)
    nn = math.sqrt(dot(n, n))
    if nn < 1e-12:
        return angle_deg(p, a)
    n = (n[0] / nn, n[1] / nn, n[2] / nn)
    s = dot(p, n)
    q = (p[0] - s * n[0], p[1] - s * n[1], p[2] - s * n[2])
    if dot(cross(a, q), n) >= 0 and dot(cross(q, b), n) >= 0:
        return math.degrees(math.asin(min(1.0, abs(s))))
    return min(angle_deg(p, a), angle_deg(p, b))


# ---------------------------------------------------------------------------
# Stars


class Star:
    __slots__ = ("order", "ra", "dec", "mag", "bv", "sptype", "genitive",
                 "proper", "vec", "bsc", "own_mag", "number")

    def __init__(self, order, ra, dec, mag, bv, sptype, genitive, proper):
        self.order = order
        self.ra = ra
        self.dec = dec
        self.mag = mag
        self.bv = bv
        self.sptype = sptype
        self.genitive = genitive
        self.proper = proper
        self.vec = unit_vector(ra, dec)
        self.bsc = None      # matched BSC entries, brightest first
        self.own_mag = False  # keep the stars.dat V (blends, variables)
        self.number = 0


class BscStar:
    __slots__ = ("ra", "dec", "mag", "flamsteed", "bayer", "hr", "hd", "vec")

    def __init__(self, ra, dec, mag, flamsteed, bayer, hr, hd):
        self.ra = ra
        self.dec = dec
        self.mag = mag
        self.flamsteed = flamsteed
        self.bayer = bayer
        self.hr = hr
        self.hd = hd
        self.vec = unit_vector(ra, dec)


def read_stars_dat(path):
    """Fixed columns: RA hhmmss.ss, Dec +ddmmss.s, V, B-V, spectral type, then
    after a comma the genitive ("alp CMa") and the long name."""
    stars = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("#") or len(line) < 58:
                continue
            ra = int(line[0:2]) + int(line[2:4]) / 60.0 + float(line[4:9]) / 3600.0
            sign = -1.0 if line[10] == "-" else 1.0
            dec = sign * (int(line[11:13]) + int(line[13:15]) / 60.0
                          + float(line[15:19]) / 3600.0)
            mag = float(line[46:51])
            bv = float(line[51:56])
            sptype = line[56:58]
            genitive = proper = ""
            rest = line[58:].rstrip("\r\n")
            if "," in rest:
                parts = [p.strip() for p in rest.split(",")]
                genitive = parts[1] if len(parts) > 1 else ""
                # Commas would split the reader's fields.
                proper = " ".join(p for p in parts[2:] if p)
            stars.append(Star(len(stars), ra, dec, mag, bv, sptype,
                              genitive, proper))
    return stars


BSC_LINE = re.compile(
    r'^\s*(-?\d+\.\d+)\s+(\d+\.\d+)\s+(-?\d+\.\d+)\s+"(.{10})"\s+(\d+)\s+(\d+)\s+(\d+)\s*$')


def read_bsc(path):
    """xplanet's BSC: Dec, RA, V, "FFFBbbsCon", HR, HD, SAO."""
    out = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            m = BSC_LINE.match(line)
            if not m:
                sys.exit(f"unexpected BSC line: {line!r}")
            dec, ra, mag = float(m.group(1)), float(m.group(2)), float(m.group(3))
            name = m.group(4)
            fl = name[0:3].strip()
            bayer = ""
            if name[3:6].strip():
                code = name[3:6].lower()
                if code not in GREEK_CODES:
                    sys.exit(f"unknown Bayer code in BSC: {line!r}")
                bayer = code + name[6] + name[7:10]
            out.append(BscStar(ra, dec, mag, int(fl) if fl else 0, bayer,
                               int(m.group(5)), int(m.group(6))))
    return out


class DecIndex:
    """Stars sorted by declination, for windowed neighbour searches."""

    def __init__(self, stars):
        self.stars = sorted(stars, key=lambda s: (s.dec, s.order))
        self.decs = [s.dec for s in self.stars]

    def near(self, vec, dec, radius):
        lo = bisect.bisect_left(self.decs, dec - radius)
        hi = bisect.bisect_right(self.decs, dec + radius)
        for s in self.stars[lo:hi]:
            d = angle_deg(vec, s.vec)
            if d <= radius:
                yield d, s


def combined_mag(mags):
    return -2.5 * math.log10(sum(10.0 ** (-0.4 * m) for m in mags))


def cross_match(stars, bsc):
    """Attach BSC entries to stars.dat stars.  Returns the declination index
    and a count of matches of each kind.

    1. One-to-one pairs within MATCH_RADIUS_DEG and MATCH_MAX_DMAG, best pairs
       first, so the components of a double that both catalogues resolve go to
       the entries of matching brightness.
    2. Hipparcos often has one entry for a pair the BSC lists as two
       (gam Vir, zet Aqr): where the unpaired BSC neighbours' combined light
       fits the entry better, they all belong to it and it keeps its own V.
    3. Variables (Mira, chi Cyg) fail the magnitude test; a very close pair
       whose Bayer designations agree is the same star, which keeps its V.
    """
    index = DecIndex(stars)
    pairs = []
    for bi, b in enumerate(bsc):
        for d, s in index.near(b.vec, b.dec, MATCH_RADIUS_DEG):
            dmag = abs(s.mag - b.mag)
            if dmag < MATCH_MAX_DMAG:
                score = (d / MATCH_RADIUS_DEG) ** 2 + (dmag / MATCH_MAX_DMAG) ** 2
                pairs.append((score, bi, s.order))
    pairs.sort()
    taken = set()
    counts = {"pairs": 0, "blends": 0, "by name": 0}
    for score, bi, order in pairs:
        s = stars[order]
        if bi in taken or s.bsc:
            continue
        s.bsc = [bsc[bi]]
        taken.add(bi)
        counts["pairs"] += 1

    # Unpaired BSC entries by declination, for passes 2 and 3.
    loose = sorted((b.dec, bi) for bi, b in enumerate(bsc) if bi not in taken)
    loose_decs = [d for d, _ in loose]

    def loose_near(s, radius):
        lo = bisect.bisect_left(loose_decs, s.dec - radius)
        hi = bisect.bisect_right(loose_decs, s.dec + radius)
        out = []
        for _, bi in loose[lo:hi]:
            if bi in taken:
                continue
            d = angle_deg(s.vec, bsc[bi].vec)
            if d <= radius:
                out.append((d, bi))
        return sorted(out)

    for s in stars:
        extra = loose_near(s, MATCH_RADIUS_DEG)
        if not extra:
            continue
        members = (s.bsc or []) + [bsc[bi] for _, bi in extra]
        if len(members) < 2:
            continue
        before = abs(s.bsc[0].mag - s.mag) if s.bsc else MATCH_MAX_DMAG
        after = abs(combined_mag([b.mag for b in members]) - s.mag)
        if after < before:
            s.bsc = sorted(members, key=lambda b: (b.mag, b.hr))
            s.own_mag = True
            taken.update(bi for _, bi in extra)
            counts["blends"] += 1

    for s in stars:
        if s.bsc:
            continue
        m = GENITIVE_GREEK.match(s.genitive)
        if not m:
            continue
        for d, bi in loose_near(s, VARIABLE_RADIUS_DEG):
            b = bsc[bi]
            if b.bayer and b.bayer[:3] + b.bayer[4:] == m.group(1) + m.group(3):
                s.bsc = [b]
                s.own_mag = True
                taken.add(bi)
                counts["by name"] += 1
                break
    return index, counts


GENITIVE_GREEK = re.compile(r"^([a-z][a-z ]{2})([0-9 ])([A-Z][A-Za-z]{2})$")
GENITIVE_FLAMSTEED = re.compile(r"^(\d+)\s+([A-Z][A-Za-z]{2})$")


def names_of(star):
    """(flamsteed, greek field, proper name).  The BSC's designations win; the
    stars.dat genitive fills in what the BSC lacks (omi1 Cyg, ups3 Eri)."""
    flamsteed = 0
    greek = ""
    members = star.bsc or []
    if members:
        first = members[0]
        flamsteed = first.flamsteed or next(
            (b.flamsteed for b in members if b.flamsteed), 0)
        greek = first.bayer or next((b.bayer for b in members if b.bayer), "")
        # A blend of gam1 and gam2 is plain gam.
        if greek and any(b.bayer and b.bayer != greek
                         and b.bayer[:3] + b.bayer[4:] == greek[:3] + greek[4:]
                         for b in members):
            greek = greek[:3] + " " + greek[4:]
    if not greek:
        m = GENITIVE_GREEK.match(star.genitive)
        if m and m.group(1) in GREEK_CODES:
            greek = star.genitive
    if not flamsteed:
        m = GENITIVE_FLAMSTEED.match(star.genitive)
        if m:
            flamsteed = int(m.group(1))
    return flamsteed, greek, star.proper


def bv_class(bv):
    """Class most stars.dat stars of this colour index are typed as.  The
    boundaries are fitted to the typed stars of the catalogue itself, most of
    them giants, which is why G reaches 0.94 and K 1.85 (main-sequence
    tables put them near 0.81 and 1.40)."""
    for limit, letter in ((0.00, "B"), (0.31, "A"), (0.58, "F"),
                          (0.94, "G"), (1.85, "K")):
        if bv < limit:
            return letter
    return "M"


def spectral_letter(sptype, bv):
    """First letter of the type; carbon stars (C) are shown as N.  Where a cool
    type and the colour index disagree by two classes or more the type is
    usually a composite or a blend (Capella is listed as M1), so the colour
    wins.  Hot types keep their letter: reddening makes O and B stars look
    cooler than they are."""
    letter = sptype[:1]
    if letter == "C":
        letter = "N"
    if not letter or letter not in KNOWN_CLASSES:
        return bv_class(bv)
    if letter in "AFGKM":
        c = bv_class(bv)
        if abs(TEMPERATURE_ORDER.index(letter) - TEMPERATURE_ORDER.index(c)) >= 2:
            return c
    return letter


def fmt(x, places):
    s = f"{x:.{places}f}"
    if float(s) == 0.0:
        s = f"{0.0:.{places}f}"  # no "-0.00000"
    return s


def star_line(number, star):
    flamsteed, greek, proper = names_of(star)
    ra = fmt(star.ra, 5)
    if ra == "24.00000":
        ra = "0.00000"
    tail = f"{ra},{fmt(star.dec, 5)},{fmt(star.mag, 2)},{spectral_letter(star.sptype, star.bv)}"
    if not flamsteed and not greek and not proper:
        return f"{number},,,,{tail}"
    return f"{number},{flamsteed or ''},{greek},{proper},{tail}"


# ---------------------------------------------------------------------------
# Constellation figures


def read_cnames(path):
    """Western labels: hhmmss+ddmmssAbr NAME, in the order of the file."""
    out = []
    section = None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if line.startswith("C "):
                section = line[2:].strip()
                continue
            if section != "Western" or not line.strip() or line.startswith("#"):
                continue
            ra = int(line[0:2]) + int(line[2:4]) / 60.0 + int(line[4:6]) / 3600.0
            sign = -1.0 if line[6] == "-" else 1.0
            dec = sign * (int(line[7:9]) + int(line[9:11]) / 60.0 + int(line[11:13]) / 3600.0)
            abbr, name = line[13:].split(None, 1)
            if abbr in SERPENS_PARTS:
                # One figure slot for both halves, labelled where Caput's is.
                if any(a == "Ser" for a, _, _, _ in out):
                    continue
                abbr, name = "Ser", "Serpens"
            out.append((abbr, name.strip().title(), ra, dec))
    return out


def read_clines(path):
    """Western figures as {name: [(hd_from, hd_to), ...]} in file order."""
    figures = {}
    section = None
    name = None
    prev = None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("C "):
                section = line[2:].strip()
                continue
            if section != "Western":
                continue
            if line.startswith("#"):
                title = line[1:].strip()
                if title:
                    name = title
                    figures.setdefault(name, [])
                    prev = None
                continue
            m = re.match(r"^([MD])\s+(\d+)$", line)
            if not m:
                continue
            hd = int(m.group(2))
            if m.group(1) == "D" and prev is not None:
                figures[name].append((prev, hd))
            prev = hd
    return figures


def squash(name):
    return re.sub(r"[^A-Z]", "", name.upper())


def euler_strokes(edges):
    """Fewest strokes covering every edge once: per connected piece, one stroke
    for every two odd-degree stars (at least one).  Returns lists of stars."""
    adj = defaultdict(list)
    for a, b in edges:
        adj[a].append(b)
        adj[b].append(a)
    seen = set()
    pieces = []
    for v in sorted(adj):
        if v in seen:
            continue
        comp = []
        stack = [v]
        seen.add(v)
        while stack:
            x = stack.pop()
            comp.append(x)
            for y in adj[x]:
                if y not in seen:
                    seen.add(y)
                    stack.append(y)
        pieces.append(sorted(comp))

    strokes = []
    VIRTUAL = 0  # star numbers start at 1
    for comp in pieces:
        members = set(comp)
        piece_edges = sorted((min(a, b), max(a, b)) for a, b in edges
                             if a in members)
        odd = [v for v in comp if len(adj[v]) % 2]
        all_edges = piece_edges + [(VIRTUAL, v) for v in odd]
        inc = defaultdict(list)
        for i, (a, b) in enumerate(all_edges):
            inc[a].append((b, i))
            inc[b].append((a, i))
        for v in inc:
            # Popped from the end: brightest (lowest number) neighbour first.
            inc[v].sort(reverse=True)
        used = set()
        start = VIRTUAL if odd else comp[0]
        stack = [start]
        path = []
        while stack:
            v = stack[-1]
            while inc[v] and inc[v][-1][1] in used:
                inc[v].pop()
            if inc[v]:
                u, i = inc[v].pop()
                used.add(i)
                stack.append(u)
            else:
                path.append(stack.pop())
        path.reverse()
        cur = []
        for v in path:
            if v == VIRTUAL:
                if len(cur) > 1:
                    strokes.append(cur)
                cur = []
            else:
                cur.append(v)
        if len(cur) > 1:
            strokes.append(cur)
    return strokes


def figure_entries(strokes):
    out = []
    for s in strokes:
        if out:
            out.append("-")
        out.extend(str(v) for v in s)
    return out


def build_figures(clines, cnames, hd_to_star):
    by_squash = {squash(name): abbr for abbr, name, _, _ in cnames}
    edges_by_abbr = defaultdict(set)
    for name, segs in clines.items():
        key = squash(name)
        if key.startswith("SERPENS"):
            key = "SERPENS"  # Caput and Cauda share one figure
        abbr = by_squash.get(key)
        if abbr is None:
            sys.exit(f"figure {name!r} has no label in cnames.dat")
        for a, b in segs:
            sa, sb = hd_to_star(a), hd_to_star(b)
            if sa != sb:
                edges_by_abbr[abbr].add((min(sa, sb), max(sa, sb)))
    lines = []
    stats = []
    for abbr, name, ra, dec in cnames:
        strokes = euler_strokes(sorted(edges_by_abbr.get(abbr, ())))
        entries = figure_entries(strokes)
        lines.append(f"{abbr} {name},{ra:.4f},{dec:.4f}," + ",".join(entries))
        stats.append((abbr, len(entries), len(edges_by_abbr.get(abbr, ()))))
    return lines, stats


# ---------------------------------------------------------------------------
# Boundaries


def read_cbounds(path):
    rings = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith(":"):
                rings.append((line[1:].strip(), []))
                continue
            parts = line.split()
            if len(parts) < 2:
                continue
            rings[-1][1].append((float(parts[0]), float(parts[1])))
    return rings


def point_key(ra, dec):
    """Shared corners of neighbouring rings carry the same text in the source;
    rounding makes them the same key."""
    dec = round(dec, 5)
    if abs(dec) >= 89.99999:
        return (0.0, 90.0 if dec > 0 else -90.0)
    ra = round(ra % 24.0, 5)
    if ra >= 24.0:
        ra = 0.0
    return (ra, dec)


def clean_ring(points):
    """Keys of a closed ring without its repeated closing point, consecutive
    duplicates, or the slit that polar rings run out to the pole and back
    (drawn, that slit would be a spurious line)."""
    keys = []
    for ra, dec in points:
        k = point_key(ra, dec)
        if not keys or keys[-1] != k:
            keys.append(k)
    if len(keys) > 1 and keys[0] == keys[-1]:
        keys.pop()
    poles = [i for i, k in enumerate(keys) if abs(k[1]) == 90.0]
    if poles:
        # Start just after the pole so the pole points are contiguous at the end.
        i = poles[-1]
        keys = keys[i + 1:] + keys[:i + 1]
        keys = [k for k in keys if abs(k[1]) != 90.0]
        # The slit's two feet are the same point up to rounding: drop the
        # short stubs leading to it.
        while len(keys) > 2 and angle_deg(unit_vector(*keys[0]),
                                          unit_vector(*keys[-1])) < 0.05:
            keys.pop()
    return keys


def dp_simplify(vecs, tol):
    """Douglas-Peucker on the sphere, ends fixed; returns kept indices."""
    n = len(vecs)
    keep = {0, n - 1}
    stack = [(0, n - 1)]
    while stack:
        i, j = stack.pop()
        if j - i < 2:
            continue
        worst, worst_k = -1.0, -1
        for k in range(i + 1, j):
            d = arc_distance_deg(vecs[k], vecs[i], vecs[j])
            if d > worst:
                worst, worst_k = d, k
        if worst > tol:
            keep.add(worst_k)
            stack.append((i, worst_k))
            stack.append((worst_k, j))
    return sorted(keep)


def simplify_rings(rings, tol):
    """Each ring is cut where its neighbour changes and every piece is
    simplified once, in a fixed direction, so both constellations on either
    side of a border draw exactly the same line."""
    cleaned = [(name, clean_ring(pts)) for name, pts in rings]
    point_rings = defaultdict(set)
    edge_rings = defaultdict(set)
    for ri, (_, keys) in enumerate(cleaned):
        m = len(keys)
        for i, k in enumerate(keys):
            point_rings[k].add(ri)
            edge_rings[frozenset((k, keys[(i + 1) % m]))].add(ri)

    cache = {}

    def simplified(chain):
        rev = chain[::-1]
        forward = chain <= rev
        canon = tuple(chain if forward else rev)
        if canon not in cache:
            vecs = [unit_vector(*k) for k in canon]
            cache[canon] = [canon[i] for i in dp_simplify(vecs, tol)]
        out = cache[canon]
        return out if forward else out[::-1]

    result = []
    for ri, (name, keys) in enumerate(cleaned):
        m = len(keys)

        def edge(i):
            return edge_rings[frozenset((keys[i % m], keys[(i + 1) % m]))]

        cuts = [i for i in range(m)
                if len(point_rings[keys[i]]) >= 3 or edge(i - 1) != edge(i)]
        if not cuts:
            cuts = [min(range(m), key=lambda i: keys[i])]
        ring = []
        for c, start in enumerate(cuts):
            end = cuts[(c + 1) % len(cuts)]
            if end <= start:
                end += m
            chain = [keys[i % m] for i in range(start, end + 1)]
            piece = simplified(chain)
            ring.extend(piece[:-1])
        ring.append(ring[0])  # closed outline
        result.append((name, ring))
    return result


def boundary_lines(rings):
    out = []
    for ri, (_, ring) in enumerate(rings):
        if ri:
            out.append("$")
        for ra, dec in ring:
            out.append(f" {ra:.5f} {fmt(dec, 5)}")
    out.append("$$")
    return out


# ---------------------------------------------------------------------------


def write_text(path, lines):
    data = "".join(l + "\n" for l in lines).encode("ascii")
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--cache", default=DEFAULT_CACHE,
                    help="download and unpack cache (default %(default)s)")
    ap.add_argument("--out", default=DATA_DIR,
                    help="output folder (default %(default)s)")
    args = ap.parse_args()

    roots = {}
    versions = {}
    for pkg in PACKAGES:
        deb = find_or_download(args.cache, pkg)
        roots[pkg] = unpack(args.cache, deb)
        versions[pkg] = package_version(deb)
    ks = os.path.join(roots["kstars-data"], KSTARS_DIR)

    # --- stars
    stars = read_stars_dat(os.path.join(ks, "stars.dat"))
    bsc = read_bsc(os.path.join(roots["xplanet"], BSC_PATH))
    index, counts = cross_match(stars, bsc)
    for s in stars:
        if s.bsc and not s.own_mag:
            s.mag = s.bsc[0].mag
    ordered = sorted(stars, key=lambda s: (s.mag, s.order))
    for n, s in enumerate(ordered, 1):
        s.number = n
    to_limit = sum(1 for s in ordered if s.mag <= DEFAULT_LOAD_LIMIT)

    header = [
        "# Orbivale star catalogue, brightest first: one star a line.",
        "# id,flamsteed,greek,proper name,RA hours,Dec degrees (J2000),V,spectral class",
        "# The id is the star's 1-based position in this file, the number the",
        "# constellation figures use.  Positions: Hipparcos/Tycho via kstars-data;",
        "# names, V and Flamsteed/Bayer of the brighter stars: Yale Bright Star",
        "# Catalogue via xplanet.  Built by stars/build_catalogue.py.",
    ]
    write_text(os.path.join(args.out, "stardata.csv"),
               header + [star_line(s.number, s) for s in ordered])

    # --- figures
    by_hd = {}
    for b in bsc:
        by_hd.setdefault(b.hd, b)
    star_of_bsc = {id(b): s for s in stars for b in (s.bsc or ())}
    doubles = []

    def hd_to_star(hd):
        b = by_hd.get(hd)
        if b is None:
            sys.exit(f"figure star HD {hd} is not in the BSC")
        s = star_of_bsc.get(id(b))
        if s is None:
            near = sorted((d, t.number) for d, t in
                          index.near(b.vec, b.dec, DOUBLE_RADIUS_DEG))
            if not near:
                sys.exit(f"figure star HD {hd} has no catalogue star nearby")
            s = ordered[near[0][1] - 1]
            doubles.append((hd, s.number, near[0][0]))
        return s.number

    cnames = read_cnames(os.path.join(ks, "cnames.dat"))
    clines = read_clines(os.path.join(ks, "clines.dat"))
    fig_lines, fig_stats = build_figures(clines, cnames, hd_to_star)
    fig_header = [
        "# Orbivale constellation figures, one a line:",
        "# <IAU abbreviation> <name>,<label RA hours>,<label Dec degrees>,<figure>",
        "# The figure lists star numbers (lines of stardata.csv); - starts a new stroke.",
        "# Figures: kstars-data clines.dat; labels: kstars-data cnames.dat.",
        "# Built by stars/build_catalogue.py.",
    ]
    write_text(os.path.join(args.out, "Constellations.dat"), fig_header + fig_lines)

    figure_stars = set()
    for line in fig_lines:
        for e in line.split(",")[3:]:
            if e != "-":
                figure_stars.add(int(e))
    faint = sorted(n for n in figure_stars if n > to_limit)

    # --- boundaries
    rings = read_cbounds(os.path.join(ks, "cbounds.dat"))
    tol = BOUNDARY_TOLERANCE_DEG
    while True:
        simple = simplify_rings(rings, tol)
        blines = boundary_lines(simple)
        if len(blines) <= MAX_BOUNDARY_LINES:
            break
        tol = round(tol * 1.25, 6)
    write_text(os.path.join(args.out, "Boundary.dat"), blines)

    # --- summary
    changed = sum(1 for s in ordered
                  if spectral_letter(s.sptype, s.bv) != s.sptype[:1].replace("C", "N"))
    named = sum(1 for s in ordered if any(names_of(s)))
    max_entries = max(n for _, n, _ in fig_stats)
    print(f"sources: kstars-data {versions['kstars-data']}, xplanet {versions['xplanet']}")
    print(f"stars: {len(ordered)} (to V {DEFAULT_LOAD_LIMIT}: {to_limit}), "
          f"faintest V {ordered[-1].mag:.2f}")
    print(f"  BSC: {len(bsc)} entries; paired {counts['pairs']}, blends {counts['blends']}, "
          f"by name {counts['by name']}; named stars: {named}; "
          f"spectral letter from B-V: {changed}")
    print(f"figures: {len(fig_lines)}, segments: {sum(e for _, _, e in fig_stats)}, "
          f"max entries per line: {max_entries} "
          f"({', '.join(a for a, n, _ in fig_stats if n == max_entries)})")
    print(f"  figure stars: {len(figure_stars)}, fainter than V {DEFAULT_LOAD_LIMIT}: {len(faint)}"
          + (f" {faint}" if faint else ""))
    for hd, num, d in sorted(set(doubles)):
        print(f"  HD {hd}: no catalogue partner, using star {num} ({d * 3600:.0f}\" away)")
    print(f"boundaries: {len(simple)} rings, tolerance {tol} deg, {len(blines)} lines "
          f"(limit {MAX_BOUNDARY_LINES})")

    problems = []
    if len(fig_lines) != FIGURE_SLOTS:
        problems.append(f"{len(fig_lines)} figures, expected {FIGURE_SLOTS}")
    if max_entries > MAX_FIGURE_ENTRIES:
        problems.append(f"a figure has {max_entries} entries (limit {MAX_FIGURE_ENTRIES})")
    if problems:
        sys.exit("; ".join(problems))


if __name__ == "__main__":
    main()
