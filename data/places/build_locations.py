#!/usr/bin/env python3
"""Build Orbivale's list of observer locations, data/Locations.dat.

Input: the city database of the Debian package kstars-data (citydb.sqlite),
fetched once with `apt-get download` and unpacked with `dpkg -x` into
~/.cache/orbivale (never installed), and the system's tzdata tables
(/usr/share/zoneinfo/zone.tab and iso3166.tab).

Output: one place a line, sorted by name (case-insensitive),

    "Name",latitude,longitude,halfHours,Zone/Name

latitude and longitude in degrees with two decimals (north and east
positive), the standard time offset in half hours (truncated, so Nepal's
+5:45 is 11), and the IANA time-zone name whose rules give the place's
daylight saving. The zone is left off when none fits.

Names are unique, ignoring case: where several cities share a name, each
gets its country added, or its province when it shares the country too
("Paris, USA", "Springfield, Illinois"), except the city a time zone is named
after, which keeps its plain name ("Paris" for Europe/Paris). The United
Kingdom's Manchester stays plain too: it is the program's default location.

How the zone is found: the database names only a daylight-saving rule
family per city ("EU", "US", ...), which cannot tell the zones of a country
apart, so the zone comes from tzdata instead. The city's country is mapped
to its ISO 3166 code, and among that country's zones in zone.tab, those
whose standard offset equals the city's offset in the database are
candidates; the one whose principal city lies nearest wins. A city with no
candidate gets no zone.

Same package and tzdata in, byte-identical file out. Python 3 standard
library only.
"""

import argparse
import collections
import datetime
import glob
import math
import os
import re
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import urllib.parse
import zoneinfo

HERE = os.path.dirname(os.path.abspath(__file__))
DATA_DIR = os.path.dirname(HERE)
DEFAULT_CACHE = os.path.join(os.path.expanduser("~"), ".cache", "orbivale")
PACKAGE = "kstars-data"
CITY_DB = "usr/share/kstars/citydb.sqlite"
ZONEINFO = "/usr/share/zoneinfo"

# The default location keeps its plain name.
PLAIN_NAME = ("Manchester", "United Kingdom")

# Countries as the city database spells them, where tzdata's iso3166.tab spells
# them differently. Places the database groups under one heading that tzdata
# splits get every code that may hold them.
COUNTRY_CODES = {
    "USA": ["US"],
    "United Kingdom": ["GB"],
    "Isle of Man": ["IM"],
    "South Korea": ["KR"],
    "North Korea": ["KP"],
    "Vatican": ["VA"],
    "Macedonia": ["MK"],
    "Czechia": ["CZ"],
    "Bosnia and Herzegovina": ["BA"],
    "Bénin": ["BJ"],
    "Congo": ["CG"],
    "Congo (Democratic Republic)": ["CD"],
    "Dem rep of Congo": ["CD"],
    "Ivory coast": ["CI"],
    "Guinea Bissau": ["GW"],
    "Swaziland": ["SZ"],
    "Yugoslavia": ["RS"],
    "Western sahara": ["EH"],
    "Ascension Island": ["SH"],
    "Virgin Islands": ["VI", "VG"],
    "US Territory": ["IO", "UM", "MP", "GU", "AS", "PR", "VI"],
    "Micronesia": ["FM"],
    "St. Lucia": ["LC"],
    "Falkland Islands": ["FK"],
    "Pitcairn Islands": ["PN"],
    "Turks and Caicos Islands": ["TC"],
    "Antigua and Barbuda": ["AG"],
    "Trinidad and Tobago": ["TT"],
    # Its one place (Mount Erebus) keeps New Zealand time, which the database
    # does not give it; no zone rather than a station's half a continent away.
    "Antarctica": [],
    # Overseas parts the database files under their mother country.
    "Australia": ["AU", "CX", "CC", "NF"],
    "France": ["FR", "MQ", "GP", "GF", "RE", "YT", "NC", "PF", "PM"],
    "Denmark": ["DK", "FO", "GL"],
    "Central African Republic": ["CF"],
    "Myanmar": ["MM"],
    "Samoa": ["WS", "AS"],
}


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
    # a half-filled tree behind.
    tmp = tempfile.mkdtemp(dir=root)
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


# ---------------------------------------------------------------------------
# Cities


DMS = re.compile(r"^\s*([+-]?)\s*(\d+)\s*°\s*(\d+)\s*'\s*(\d+(?:\.\d*)?)\s*\"\s*$")


DECIMAL = re.compile(r"^\s*[+-]?\d+(?:\.\d+)?\s*$")


def dms_degrees(text):
    """' 51° 30\\' 00"' -> 51.5; the sign sits on the degrees, even for -0°.
    A few rows hold plain decimal degrees instead."""
    m = DMS.match(text)
    if not m and DECIMAL.match(text):
        return float(text)
    if not m:
        raise ValueError(f"not a DMS angle: {text!r}")
    value = int(m.group(2)) + int(m.group(3)) / 60.0 + float(m.group(4)) / 3600.0
    return -value if m.group(1) == "-" else value


def read_cities(db_path):
    # Read-only, through a URI; the cached .deb's name holds a '%' that must be quoted.
    uri = "file:" + urllib.parse.quote(os.path.abspath(db_path)) + "?mode=ro"
    with sqlite3.connect(uri, uri=True) as db:
        rows = db.execute(
            "SELECT Name, Province, Country, Latitude, Longitude, TZ FROM city ORDER BY id"
        ).fetchall()
    cities = []
    seen = set()
    for name, province, country, lat, lon, tz in rows:
        name = (name or "").replace('"', "").strip()
        if not name or tz is None:
            continue
        # The same city, province and country twice: the first row stands.
        key = (name.casefold(), (province or "").strip(), (country or "").strip())
        if key in seen:
            print(f"  repeated, dropped: {name} ({country}) at {lat.strip()} {lon.strip()}")
            continue
        seen.add(key)
        cities.append({
            "name": name,
            "province": (province or "").strip(),
            "country": (country or "").strip(),
            "lat": dms_degrees(lat),
            "lon": dms_degrees(lon),
            "tz": float(tz),
        })
    return cities


def names_its_zone(city):
    """The city tzdata names a zone after (Paris for Europe/Paris)."""
    zone_city = city.get("zone", "").rsplit("/", 1)[-1].replace("_", " ")
    return bool(zone_city) and zone_city.casefold() == city["name"].casefold()


def unique_names(cities):
    """Adds the country, or the province, to names that several cities share. The
    city a time zone is named after (Paris, London, Sydney) keeps its name plain."""
    groups = collections.defaultdict(list)
    for c in cities:
        groups[c["name"].casefold()].append(c)
    for members in groups.values():
        if len(members) == 1:
            members[0]["label"] = members[0]["name"]
            continue
        countries = collections.Counter(c["country"] for c in members)
        provinces = collections.Counter((c["country"], c["province"]) for c in members)
        for c in members:
            if (c["name"], c["country"]) == PLAIN_NAME or names_its_zone(c):
                c["label"] = c["name"]
            elif countries[c["country"]] == 1 or not c["province"]:
                c["label"] = f'{c["name"]}, {c["country"]}'
            elif provinces[(c["country"], c["province"])] == 1:
                c["label"] = f'{c["name"]}, {c["province"]}'
            else:
                c["label"] = f'{c["name"]}, {c["province"]}, {c["country"]}'
    seen = collections.Counter(c["label"].casefold() for c in cities)
    clashes = sorted(label for label, n in seen.items() if n > 1)
    if clashes:
        sys.exit(f"names still shared after qualifying: {clashes}")


# ---------------------------------------------------------------------------
# Zones


# Zones by state or province where a country spans several. The first zones
# of a list are the general ones; a zone marked "~" covers a small area and is
# chosen only for a city close to its principal city (SMALL_AREA_KM).
_E, _C, _M, _P = "America/New_York", "America/Chicago", "America/Denver", "America/Los_Angeles"
PROVINCE_ZONES = {
    "USA": {
        **{state: [_E] for state in (
            "Connecticut", "DC", "Washington, DC", "Delaware", "Georgia", "Maine", "Maryland",
            "Massachusetts", "New Hampshire", "New Jersey", "New York", "North Carolina", "Ohio",
            "Pennsylvania", "Rhode Island", "South Carolina", "Vermont", "Virginia",
            "West Virginia")},
        **{state: [_C] for state in (
            "Alabama", "Arkansas", "Illinois", "Iowa", "Louisiana", "Minnesota", "Mississippi",
            "Missouri", "Oklahoma", "Wisconsin")},
        **{state: [_M] for state in ("Colorado", "Montana", "New Mexico", "Utah", "Wyoming")},
        **{state: [_P] for state in ("California", "Nevada", "Washington")},
        "Florida": [_E, _C],
        "Tennessee": [_E, _C],
        "Kentucky": [_E, _C, "~America/Kentucky/Louisville", "~America/Kentucky/Monticello"],
        "Michigan": ["America/Detroit", "~America/Menominee"],
        "Indiana": ["America/Indiana/Indianapolis", _C, "~America/Indiana/Vincennes",
                    "~America/Indiana/Winamac", "~America/Indiana/Marengo",
                    "~America/Indiana/Petersburg", "~America/Indiana/Vevay",
                    "~America/Indiana/Tell_City", "~America/Indiana/Knox"],
        "Kansas": [_C, _M],
        "Nebraska": [_C, _M],
        "Texas": [_C, _M],
        "South Dakota": [_C, _M],
        "North Dakota": [_C, _M, "~America/North_Dakota/Center",
                         "~America/North_Dakota/New_Salem", "~America/North_Dakota/Beulah"],
        "Idaho": ["America/Boise", _P],
        "Oregon": [_P, "America/Boise"],
        "Arizona": ["America/Phoenix"],
        "Alaska": ["America/Anchorage", "~America/Juneau", "~America/Sitka",
                   "~America/Metlakatla", "~America/Yakutat", "~America/Nome", "~America/Adak"],
        "Hawaii": ["Pacific/Honolulu"],
        "Puerto Rico": ["America/Puerto_Rico"],
    },
    "Canada": {
        "Alberta": ["America/Edmonton"],
        "British Columbia": ["America/Vancouver", "America/Edmonton", "~America/Creston",
                             "~America/Dawson_Creek", "~America/Fort_Nelson"],
        "Manitoba": ["America/Winnipeg"],
        "New Brunswick": ["America/Moncton"],
        "Newfoundland": ["America/St_Johns", "America/Goose_Bay"],
        "Northwest Territories": ["America/Edmonton", "~America/Inuvik"],
        "Nova Scotia": ["America/Halifax", "~America/Glace_Bay"],
        "Nunavut": ["America/Iqaluit", "America/Rankin_Inlet", "America/Cambridge_Bay",
                    "~America/Resolute", "~America/Atikokan"],
        "Ontario": ["America/Toronto", "America/Winnipeg", "~America/Atikokan"],
        "Prince Edward Island": ["America/Halifax"],
        "Quebec": ["America/Toronto", "~America/Blanc-Sablon"],
        "Saskatchewan": ["America/Regina", "America/Edmonton", "~America/Swift_Current"],
        "Yukon": ["America/Whitehorse", "~America/Dawson"],
    },
    "Australia": {
        "ACT": ["Australia/Sydney"],
        "New South Wales": ["Australia/Sydney", "~Australia/Broken_Hill"],
        "Northern Territory": ["Australia/Darwin"],
        "Queensland": ["Australia/Brisbane", "~Australia/Lindeman"],
        "South Australia": ["Australia/Adelaide"],
        "Tasmania": ["Australia/Hobart"],
        "Victoria": ["Australia/Melbourne"],
        "Western Australia": ["Australia/Perth", "~Australia/Eucla"],
    },
}

# Elsewhere, zones that tzdata gives to a small part of a country (an enclave,
# a border strip, one province of many, an island) are small areas too.
SMALL_AREA = {
    "Europe/Busingen", "Africa/Ceuta",
    "America/Matamoros", "America/Ojinaga", "America/Ciudad_Juarez",
    "America/Bahia_Banderas",
    "Europe/Kirov", "Europe/Astrakhan", "Europe/Saratov", "Europe/Ulyanovsk",
    "Europe/Volgograd", "Asia/Tomsk", "Asia/Barnaul", "Asia/Novokuznetsk", "Asia/Khandyga",
    "Asia/Ust-Nera", "Asia/Srednekolymsk", "Asia/Sakhalin",
    "America/Noronha", "America/Santarem", "America/Eirunepe", "America/Araguaina",
    "America/Coyhaique", "America/Punta_Arenas", "Pacific/Easter",
}
SMALL_AREA_KM = 50.0
EARTH_RADIUS_KM = 6371.0

# Years whose offsets count as a zone's standard offsets. The database is some
# years old and a few countries have moved their clocks since, so a zone whose
# offset matched only in an earlier year is taken when no zone matches now.
CURRENT_YEAR = 2024
EARLIER_YEARS = (2000, 2010, 2020)


def iso_codes(zoneinfo_dir):
    codes = {}
    with open(os.path.join(zoneinfo_dir, "iso3166.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, name = line.rstrip("\n").split("\t")[:2]
            codes[name] = [code]
    return codes


def tab_coordinate(text):
    """ISO 6709 +DDMM+DDDMM or +DDMMSS+DDDMMSS -> (lat, lon) degrees."""
    m = re.match(r"^([+-]\d+)([+-]\d+)$", text)

    def part(s, degree_digits):
        sign = -1 if s[0] == "-" else 1
        d = s[1:]
        deg = int(d[:degree_digits])
        minutes = int(d[degree_digits:degree_digits + 2])
        seconds = int(d[degree_digits + 2:] or 0)
        return sign * (deg + minutes / 60 + seconds / 3600)

    return part(m.group(1), 2), part(m.group(2), 3)


def read_zone_tab(zoneinfo_dir):
    """Country code -> [(zone, lat, lon)] of its principal cities."""
    zones = collections.defaultdict(list)
    with open(os.path.join(zoneinfo_dir, "zone.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            lat, lon = tab_coordinate(fields[1])
            zones[fields[0]].append((fields[2], lat, lon))
    return zones


def standard_offsets(zone_name, years):
    """The zone's standard offsets in hours in those years: its UTC offset less
    any daylight saving, and its smallest offset of each year (standard time
    too where summer time is the rule)."""
    tz = zoneinfo.ZoneInfo(zone_name)
    found = set()
    for year in years:
        year_offsets = []
        for month in range(1, 13):
            when = datetime.datetime(year, month, 15, 12, tzinfo=datetime.timezone.utc)
            local = when.astimezone(tz)
            offset = local.utcoffset().total_seconds() / 3600.0
            dst = (local.dst() or datetime.timedelta(0)).total_seconds() / 3600.0
            year_offsets.append(offset)
            found.add(offset - dst)
        found.add(min(year_offsets))
    return found


def distance_km(lat1, lon1, lat2, lon2):
    p1, p2 = math.radians(lat1), math.radians(lat2)
    dl = math.radians(lon2 - lon1)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return EARTH_RADIUS_KM * math.acos(max(-1.0, min(1.0, c)))


def candidate_zones(city, codes, zones):
    """(zone, lat, lon, small area) the city may be in, before the offset test."""
    by_name = {z: (lat, lon) for members in zones.values() for z, lat, lon in members}
    table = PROVINCE_ZONES.get(city["country"], {}).get(city["province"])
    if table:
        for entry in table:
            zone = entry.lstrip("~")
            yield zone, *by_name[zone], entry.startswith("~")
        return
    for code in codes[city["country"]]:
        for zone, lat, lon in zones.get(code, []):
            yield zone, lat, lon, zone in SMALL_AREA


def nearest_zone(city, candidates, offsets_of):
    best = None
    for zone, zlat, zlon, small_area in candidates:
        if not any(abs(o - city["tz"]) < 1e-6 for o in offsets_of(zone)):
            continue
        d = distance_km(city["lat"], city["lon"], zlat, zlon)
        if small_area and d > SMALL_AREA_KM:
            continue
        if best is None or (d, zone) < best:
            best = (d, zone)
    return best[1] if best else ""


def assign_zones(cities, zoneinfo_dir):
    codes = iso_codes(zoneinfo_dir)
    codes.update(COUNTRY_CODES)
    zones = read_zone_tab(zoneinfo_dir)
    unknown = sorted({c["country"] for c in cities if c["country"] not in codes})
    if unknown:
        sys.exit(f"countries without an ISO 3166 code: {unknown}")
    current, earlier = {}, {}

    def current_offsets(zone):
        if zone not in current:
            current[zone] = standard_offsets(zone, (CURRENT_YEAR,))
        return current[zone]

    def earlier_offsets(zone):
        if zone not in earlier:
            earlier[zone] = standard_offsets(zone, EARLIER_YEARS)
        return earlier[zone]

    for c in cities:
        candidates = list(candidate_zones(c, codes, zones))
        c["zone"] = (nearest_zone(c, candidates, current_offsets)
                     or nearest_zone(c, candidates, earlier_offsets))


# ---------------------------------------------------------------------------
# Output


def half_hours(tz_hours):
    # Truncated towards zero: +5:45 becomes 11, as the file's field is whole half hours.
    return int(tz_hours * 2)


def line_of(c):
    # Round first so that -0.001 is written 0.00, not -0.00.
    lat = round(c["lat"], 2) + 0.0
    lon = round(c["lon"], 2) + 0.0
    line = f'"{c["label"]}",{lat:.2f},{lon:.2f},{half_hours(c["tz"])}'
    if c["zone"]:
        line += "," + c["zone"]
    return line + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--cache", default=DEFAULT_CACHE)
    parser.add_argument("--zoneinfo", default=ZONEINFO)
    parser.add_argument("--output", default=os.path.join(DATA_DIR, "Locations.dat"))
    args = parser.parse_args()

    root = unpack(args.cache, find_or_download(args.cache, PACKAGE))
    cities = read_cities(os.path.join(root, CITY_DB))
    assign_zones(cities, args.zoneinfo)
    unique_names(cities)
    cities.sort(key=lambda c: (c["label"].casefold(), c["label"]))

    text = "".join(line_of(c) for c in cities)
    for line in text.splitlines():
        if len(line.encode("utf-8")) + 1 > 255:
            sys.exit(f"line too long for the program's reader: {line}")
    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)

    zoned = sum(1 for c in cities if c["zone"])
    print(f"{len(cities)} places, {zoned} with a time zone, written to {args.output}")
    for c in cities:
        if not c["zone"]:
            print(f'  no zone: {c["label"]} ({c["country"]}, {c["tz"]:+g} h)')


if __name__ == "__main__":
    main()
