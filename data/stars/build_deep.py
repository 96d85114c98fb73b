#!/usr/bin/env python3
"""Extend data/stardata.csv past V 8.99 with stellarium-data's star catalogue.

stars.dat (the base of stardata.csv) stops at V 8.99, but the program offers
load limits down to 10.0.  stellarium-data ships the Hipparcos/Tycho stars in
binary files laid out on a geodesic grid; this script decodes them and appends
every star from V 9.00 to DEEP_LIMIT that stardata.csv does not already hold.

Run it after build_catalogue.py.  It rewrites stardata.csv in place: the
lines that build_catalogue.py wrote are kept byte for byte (so the star
numbers used by Constellations.dat do not move), any earlier deep section is
dropped, and the new one is appended after a comment line.  The appended
stars are all fainter than the last base star, so the file stays in order of
brightness.  Same inputs, byte-identical output.  Standard library only.
"""

import argparse
import bisect
import math
import os
import shutil
import struct
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep data/stars free of __pycache__
import build_catalogue as base  # noqa: E402

DEEP_LIMIT = 10.0
DEEP_MIN = 9.0          # the base file holds everything to 8.99
PACKAGE = "stellarium-data"
STARS_DIR = "usr/share/stellarium/stars/default"
CATALOGUES = ("stars_0_0v0_8.cat", "stars_1_0v0_8.cat",
              "stars_2_0v0_8.cat", "stars_3_1v0_4.cat")
SPECTRA = "stars_hip_sp_0v0_4.cat"
DEEP_MARKER = "# Fainter than V 8.99"

# A catalogue star this close to a base star, with a similar magnitude, is
# that star again (the two catalogues round V differently near the seam).
DUPLICATE_RADIUS_DEG = 3.0 / 3600.0
DUPLICATE_MAX_DMAG = 1.0

FILE_MAGIC = 0x835F040A


# ---------------------------------------------------------------------------
# Sources


def unpack_stars(cache, deb):
    """Only the star folder of the 246 MB package is needed."""
    stem = os.path.basename(deb)[:-len(".deb")] + ".stars"
    root = os.path.join(cache, "unpacked")
    target = os.path.join(root, stem)
    if os.path.isdir(target):
        return target
    os.makedirs(root, exist_ok=True)
    tmp = tempfile.mkdtemp(prefix=stem + ".", dir=root)
    try:
        tar = subprocess.Popen(["dpkg-deb", "--fsys-tarfile", deb],
                               stdout=subprocess.PIPE)
        subprocess.run(["tar", "-x", "-C", tmp, "./" + STARS_DIR],
                       stdin=tar.stdout, check=True)
        tar.stdout.close()
        if tar.wait() != 0:
            sys.exit(f"dpkg-deb failed on {deb}")
        os.rename(tmp, target)
    except OSError:
        if not os.path.isdir(target):
            raise
    finally:
        if os.path.isdir(tmp):
            shutil.rmtree(tmp)
    return target


# ---------------------------------------------------------------------------
# The geodesic grid: an icosahedron whose triangles are split into four,
# level by level.  Zone numbers follow the split order (child k of zone i is
# 4 i + k), so the grid must be rebuilt exactly to place each star.

_G = 0.5 * (1.0 + math.sqrt(5.0))
_B = 1.0 / math.sqrt(1.0 + _G * _G)
_A = _B * _G
ICOSAHEDRON_CORNERS = (
    (_A, -_B, 0.0), (_A, _B, 0.0), (-_A, _B, 0.0), (-_A, -_B, 0.0),
    (0.0, _A, -_B), (0.0, _A, _B), (0.0, -_A, _B), (0.0, -_A, -_B),
    (-_B, 0.0, _A), (_B, 0.0, _A), (_B, 0.0, -_A), (-_B, 0.0, -_A),
)
ICOSAHEDRON_FACES = (
    (1, 0, 10), (0, 1, 9), (0, 9, 6), (9, 8, 6), (0, 7, 10),
    (6, 7, 0), (7, 6, 3), (6, 8, 3), (11, 10, 7), (7, 3, 11),
    (3, 2, 11), (2, 3, 8), (10, 11, 4), (2, 4, 11), (5, 4, 2),
    (2, 8, 5), (4, 1, 10), (4, 5, 1), (5, 9, 1), (8, 9, 5),
)


def _add(u, v):
    return (u[0] + v[0], u[1] + v[1], u[2] + v[2])


def _sub(u, v):
    return (u[0] - v[0], u[1] - v[1], u[2] - v[2])


def _unit(u):
    n = math.sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2])
    return (u[0] / n, u[1] / n, u[2] / n)


def grid_triangles(level):
    """Corners of every zone of a level, in zone-number order."""
    out = [None] * (20 * 4 ** level)

    def split(lev, index, c0, c1, c2):
        if lev == level:
            out[index] = (c0, c1, c2)
            return
        e0 = _unit(_add(c1, c2))
        e1 = _unit(_add(c2, c0))
        e2 = _unit(_add(c0, c1))
        i = index * 4
        split(lev + 1, i + 0, c0, e2, e1)
        split(lev + 1, i + 1, e2, c1, e0)
        split(lev + 1, i + 2, e1, e0, c2)
        split(lev + 1, i + 3, e0, e1, e2)

    for i, (a, b, c) in enumerate(ICOSAHEDRON_FACES):
        split(0, i, ICOSAHEDRON_CORNERS[a], ICOSAHEDRON_CORNERS[b],
              ICOSAHEDRON_CORNERS[c])
    return out


def zone_frames(level, max_pos):
    """Per zone: centre and the two tangent axes, scaled so that the stored
    integer offsets map onto them.  One scale serves the whole level: the
    largest tangent-plane extent of any zone corner, over the largest offset."""
    frames = []
    extent = 0.0
    north = (0.0, 0.0, 1.0)
    for c0, c1, c2 in grid_triangles(level):
        centre = _unit(_add(_add(c0, c1), c2))
        axis0 = _unit(base.cross(north, centre))
        axis1 = base.cross(centre, axis0)
        for c in (c0, c1, c2):
            d = _sub(c, centre)
            m0, m1 = base.dot(d, axis0), base.dot(d, axis1)
            f = 1.0 / math.sqrt(1.0 - m0 * m0 - m1 * m1)
            extent = max(extent, abs(m0) * f, abs(m1) * f)
        frames.append((centre, axis0, axis1))
    s = extent / max_pos
    return [(c, tuple(x * s for x in a0), tuple(x * s for x in a1))
            for c, a0, a1 in frames]


def _signed(v, bits):
    return v - (1 << bits) if v & (1 << (bits - 1)) else v


def read_catalogue(path, spectra):
    """Yield (ra hours, dec degrees, V, B-V, spectral type) at J2000."""
    with open(path, "rb") as f:
        data = f.read()
    magic, kind, major, minor, level, mag_min, mag_range, mag_steps = \
        struct.unpack_from("<IIIIIiII", data, 0)
    if magic != FILE_MAGIC or major != 0 or kind not in (0, 1):
        sys.exit(f"{path}: not a star catalogue this script reads "
                 f"(magic {magic:#x}, type {kind}, version {major}.{minor})")
    zones = 20 * 4 ** level
    sizes = struct.unpack_from(f"<{zones}I", data, 32)
    pos = 32 + 4 * zones
    # Records: type 0 (28 bytes, Hipparcos) holds 32-bit offsets, colour,
    # magnitude step and a spectral-type index; type 1 (10 bytes) packs
    # 20-bit offsets, 14-bit proper motions, 7-bit colour and 5-bit magnitude.
    max_pos = 0x7FFFFFFF if kind == 0 else (1 << 19) - 1
    frames = zone_frames(level, max_pos)
    for z, count in enumerate(sizes):
        centre, a0, a1 = frames[z]
        for _ in range(count):
            sp = ""
            if kind == 0:
                (_hip, x0, x1, bv_index, mag_step, sp_index,
                 _dx0, _dx1, _plx) = struct.unpack_from("<iiiBBHiii", data, pos)
                pos += 28
                if 0 <= sp_index < len(spectra):
                    sp = spectra[sp_index]
            else:
                v = int.from_bytes(data[pos:pos + 10], "little")
                pos += 10
                x0 = _signed(v & 0xFFFFF, 20)
                x1 = _signed((v >> 20) & 0xFFFFF, 20)
                bv_index = (v >> 68) & 0x7F
                mag_step = (v >> 75) & 0x1F
            p = _unit(tuple(centre[i] + x0 * a0[i] + x1 * a1[i] for i in range(3)))
            ra = (math.degrees(math.atan2(p[1], p[0])) / 15.0) % 24.0
            dec = math.degrees(math.asin(max(-1.0, min(1.0, p[2]))))
            mag = (mag_min + mag_step * mag_range / mag_steps) / 1000.0
            yield ra, dec, round(mag, 2), bv_index * 4.0 / 127.0 - 0.5, sp
    if pos != len(data):
        sys.exit(f"{path}: {len(data) - pos} bytes left after the last zone")


# ---------------------------------------------------------------------------


def read_base(path):
    """The lines build_catalogue.py wrote, and the positions and magnitudes
    of their stars."""
    kept = []
    stars = []
    with open(path, encoding="ascii") as f:
        for line in f:
            if line.startswith(DEEP_MARKER):
                break
            kept.append(line)
            if line[:1].isdigit():
                fields = line.rstrip("\n").split(",")
                stars.append((float(fields[4]), float(fields[5]), float(fields[6])))
    return kept, stars


def spectral_of(sp, bv):
    letter = sp.lstrip("(")[:1]
    return base.spectral_letter(letter, bv)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--cache", default=base.DEFAULT_CACHE)
    ap.add_argument("--out", default=base.DATA_DIR)
    ap.add_argument("--limit", type=float, default=DEEP_LIMIT,
                    help="faintest V appended (default %(default)s)")
    args = ap.parse_args()

    deb = base.find_or_download(args.cache, PACKAGE)
    version = base.package_version(deb)
    stars_dir = os.path.join(unpack_stars(args.cache, deb), STARS_DIR)
    with open(os.path.join(stars_dir, SPECTRA), encoding="latin-1") as f:
        spectra = f.read().split("\n")

    csv_path = os.path.join(args.out, "stardata.csv")
    kept, base_stars = read_base(csv_path)
    if not base_stars:
        sys.exit(f"{csv_path} has no stars; run build_catalogue.py first")
    faintest_base = base_stars[-1][2]

    # Base stars by declination, to find the ones the deep catalogue repeats.
    order = sorted(range(len(base_stars)), key=lambda i: base_stars[i][1])
    decs = [base_stars[i][1] for i in order]
    vecs = {}

    def repeats(ra, dec, mag):
        v = base.unit_vector(ra, dec)
        lo = bisect.bisect_left(decs, dec - DUPLICATE_RADIUS_DEG)
        hi = bisect.bisect_right(decs, dec + DUPLICATE_RADIUS_DEG)
        for i in order[lo:hi]:
            s = base_stars[i]
            if abs(s[2] - mag) >= DUPLICATE_MAX_DMAG:
                continue
            if i not in vecs:
                vecs[i] = base.unit_vector(s[0], s[1])
            if base.angle_deg(v, vecs[i]) <= DUPLICATE_RADIUS_DEG:
                return True
        return False

    deep = []
    dropped = 0
    per_file = {}
    for name in CATALOGUES:
        n = 0
        for ra, dec, mag, bv, sp in read_catalogue(os.path.join(stars_dir, name), spectra):
            if not (DEEP_MIN <= mag <= args.limit):
                continue
            if repeats(ra, dec, mag):
                dropped += 1
                continue
            deep.append((mag, len(deep), ra, dec, spectral_of(sp, bv)))
            n += 1
        per_file[name] = n
    deep.sort()
    if deep and deep[0][0] < faintest_base:
        sys.exit("deep stars would break the order of brightness")

    lines = list(kept)
    lines.append(f"{DEEP_MARKER} to {args.limit:.2f}: Hipparcos/Tycho stars from "
                 f"stellarium-data {version}, built by stars/build_deep.py.\n")
    number = len(base_stars)
    for mag, _, ra, dec, letter in deep:
        number += 1
        ra_s = base.fmt(ra, 5)
        if ra_s == "24.00000":
            ra_s = "0.00000"
        lines.append(f"{number},,,,{ra_s},{base.fmt(dec, 5)},{mag:.2f},{letter}\n")
    data = "".join(lines).encode("ascii")
    tmp = csv_path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, csv_path)

    print(f"source: stellarium-data {version}")
    print(f"base stars: {len(base_stars)} (to V {faintest_base:.2f}); "
          f"appended {len(deep)} from V {DEEP_MIN:.2f} to {args.limit:.2f} "
          f"({', '.join(f'{k}: {v}' for k, v in per_file.items() if v)}); "
          f"{dropped} already in the base list")
    print(f"stardata.csv: {number} stars, {len(data) / 1e6:.1f} MB")


if __name__ == "__main__":
    main()
