#!/usr/bin/env python3
"""Builds the Orbivale encyclopedia: one HTML page per body plus index.htm.

Run it from anywhere with Python 3 (standard library only):

    python3 encyclopedia/build_pages.py

The pages are written next to this script and are committed with it, so the
program needs no build step to show them. Each page is self-contained (inline
CSS, no scripts, no pictures or other outside resources) and keeps to the HTML
that a simple Qt text browser shows well: headings, paragraphs, lists and plain
tables. Characters outside ASCII are written as numeric character references so
that the pages read the same whatever character set a viewer assumes.

The facts and the prose of every page live in the tables below: FULL_ARTICLES
for the Sun, the planets, the Moon and the four Galilean moons, SHORT_PAGES for
the other moons, Saturn's rings and the Earth's atmosphere. Edit them there and
run the script again; never edit the generated pages by hand.
"""

import html
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------
# The bodies, in the program's order, with their parents.
# ---------------------------------------------------------------------------

PLANETS = ["Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus",
           "Neptune", "Pluto"]

MOONS = {
    "Earth": ["Moon"],
    "Mars": ["Phobos", "Deimos"],
    "Jupiter": ["Metis", "Adrastea", "Amalthea", "Thebe", "Io", "Europa",
                "Ganymede", "Callisto", "Leda", "Himalia", "Lysithea", "Elara",
                "Ananke", "Carme", "Pasiphae", "Sinope"],
    "Saturn": ["Pan", "Atlas", "Prometheus", "Pandora", "Epimetheus", "Janus",
               "Mimas", "Enceladus", "Tethys", "Telesto", "Calypso", "Dione",
               "Helene", "Rhea", "Titan", "Hyperion", "Iapetus", "Phoebe"],
    "Uranus": ["Cordelia", "Ophelia", "Bianca", "Cressida", "Desdemona",
               "Juliet", "Portia", "Rosalind", "Belinda", "Puck", "Miranda",
               "Ariel", "Umbriel", "Titania", "Oberon"],
    "Neptune": ["Naiad", "Thalassa", "Despina", "Galatea", "Larissa",
                "Proteus", "Triton", "Nereid"],
    "Pluto": ["Charon"],
}

# Other parts of a planet that have a page of their own.
EXTRAS = {"Saturn": ["SaturnRings"], "Earth": ["EarthAtmos"]}

FRAME_MOONS = ["Moon", "Io", "Europa", "Ganymede", "Callisto"]


def parent_of(name):
    for planet, moons in MOONS.items():
        if name in moons:
            return planet
    for planet, extras in EXTRAS.items():
        if name in extras:
            return planet
    if name in PLANETS:
        return "Sun"
    return None


def all_bodies():
    """Every body in the program's order: the Sun, the planets, the Moon, the
    other moons planet by planet, then the rings and the atmosphere."""
    names = ["Sun"] + PLANETS + ["Moon"]
    for planet in PLANETS:
        names += [m for m in MOONS.get(planet, []) if m != "Moon"]
    names += ["SaturnRings", "EarthAtmos"]
    return names


def page_file(name):
    """The page's file name, as the program asks for it."""
    if name == "Sun":
        return "SolFrame.htm"
    if name in PLANETS or name in FRAME_MOONS:
        return name + "Frame.htm"
    return name + ".htm"


def display_name(name):
    return {
        "Sun": "The Sun",
        "Moon": "The Moon",
        "Earth": "The Earth",
        "SaturnRings": "Saturn's rings",
        "EarthAtmos": "The Earth's atmosphere",
    }.get(name, name)


def link_name(name):
    return {
        "Sun": "the Sun",
        "Moon": "the Moon",
        "Earth": "the Earth",
        "SaturnRings": "Saturn's rings",
        "EarthAtmos": "the Earth's atmosphere",
    }.get(name, name)


def sci(mantissa, exponent, unit="kg"):
    return "%s &times; 10<sup>%d</sup> %s" % (mantissa, exponent, unit)


# ---------------------------------------------------------------------------
# Full articles: the Sun, the planets, the Moon and the Galilean moons.
# Each has a subtitle, a facts table (label, value), an introduction and
# sections of (heading, [paragraphs]).
# ---------------------------------------------------------------------------

FULL_ARTICLES = {}

FULL_ARTICLES["Sun"] = dict(
    subtitle="The star at the centre of the Solar System",
    facts=[
        ("Diameter", "1,392,700 km (109 times the Earth's)"),
        ("Mass", sci("1.989", 30) + " (333,000 Earths)"),
        ("Share of the Solar System's mass", "about 99.86 per cent"),
        ("Mean density", "1.41 g/cm<sup>3</sup>"),
        ("Surface gravity", "274 m/s<sup>2</sup> (28 times the Earth's)"),
        ("Mean distance from the Earth", "149.6 million km (1 astronomical unit); light takes 8 min 20 s"),
        ("Distance from the centre of the Milky Way", "about 26,000 light-years"),
        ("Orbit around the Milky Way", "about 230 million years"),
        ("Rotation period", "about 25 days at the equator, about 35 days near the poles"),
        ("Axial tilt", "7.25&deg; to the plane of the Earth's orbit"),
        ("Surface (photosphere) temperature", "about 5,500 &deg;C"),
        ("Temperature of the corona", "1 to 3 million &deg;C"),
        ("Temperature at the centre", "about 15 million &deg;C"),
        ("Power output", sci("3.83", 26, "watts")),
        ("Age", "about 4.6 billion years"),
        ("Type of star", "yellow dwarf, spectral type G2 V"),
        ("Composition (by mass)", "about 73 per cent hydrogen, 25 per cent helium, 2 per cent heavier elements"),
        ("Planets", "8, plus dwarf planets such as Pluto"),
    ],
    intro=[
        "The Sun is an ordinary star, one of a few hundred billion in our galaxy, the Milky Way. "
        "It is special to us because it is close: everything else in the Solar System, from the "
        "giant planets to the smallest grain of comet dust, moves around it, held by its gravity, "
        "and almost all the light and heat that reach the Earth come from it. It is a ball of hot, "
        "electrically charged gas (plasma), mostly hydrogen and helium, so large that about 1.3 "
        "million Earths would fit inside it.",
        "Warning: never look at the Sun directly, and never through binoculars or a telescope "
        "without a proper solar filter. Even a brief glimpse can damage your eyes permanently.",
    ],
    sections=[
        ("Structure", [
            "At the Sun's centre, in the <b>core</b>, the temperature is about 15 million &deg;C and "
            "the pressure is enormous. There hydrogen nuclei fuse into helium, turning about four "
            "million tonnes of matter into energy every second. This energy is what makes the Sun "
            "shine. The core extends about a quarter of the way out from the centre.",
            "Around the core lies the <b>radiative zone</b>, where the energy travels outwards as "
            "light that is absorbed and re-emitted countless times; a given bit of energy may take "
            "well over a hundred thousand years to cross it. In the outer 30 per cent of the Sun, the "
            "<b>convective zone</b>, hot gas rises, cools and sinks again like water boiling in a pan.",
            "The visible surface, the <b>photosphere</b>, is a layer a few hundred kilometres thick "
            "with a temperature of about 5,500 &deg;C. Seen through a telescope with a filter it is "
            "covered in <i>granules</i>, the tops of rising convection cells, each about the size of "
            "a country. Above it lie the thin, reddish <b>chromosphere</b> and the <b>corona</b>, the "
            "Sun's pearly outer atmosphere, which is seen with the naked eye only during a total "
            "solar eclipse. Strangely, the corona is far hotter than the surface, at one to three "
            "million degrees. It streams away into space as the <b>solar wind</b>, which fills the "
            "whole Solar System.",
        ]),
        ("Sunspots and solar activity", [
            "Sunspots are dark patches on the photosphere where strong magnetic fields hold back the "
            "flow of heat from below. They are 1,000 to 2,000 &deg;C cooler than their surroundings and "
            "only look dark by contrast; many are larger than the Earth. The number of sunspots rises "
            "and falls over a cycle of about 11 years, and at the same time the Sun's magnetic field "
            "reverses.",
            "Near sunspots the magnetic field can suddenly release its energy in <b>flares</b>, and "
            "the corona can throw billions of tonnes of gas into space in <b>coronal mass "
            "ejections</b>. When these reach the Earth they cause magnetic storms and bright aurorae, "
            "and they can disturb satellites, radio communications and power grids.",
        ]),
        ("Observation and exploration", [
            "Galileo Galilei and other astronomers of the early 17th century were the first to watch "
            "sunspots through telescopes and used them to show that the Sun rotates. In the 19th "
            "century spectroscopy revealed what the Sun is made of; helium was first discovered in "
            "the Sun's spectrum, in 1868, before it was found on the Earth. In the 20th century "
            "physicists explained that the Sun is powered by nuclear fusion.",
            "From space, astronauts on the Skylab station photographed the Sun in X-rays in 1973 and "
            "1974. The Ulysses probe (1990&ndash;2009) was the first to fly over the Sun's poles. "
            "SOHO, launched in 1995, has watched the Sun without a break from a point 1.5 million km "
            "towards the Sun from the Earth, and the Solar Dynamics Observatory has taken detailed "
            "pictures every few seconds since 2010. The Parker Solar Probe, launched in 2018, has "
            "flown through the corona itself, closer to the Sun than any craft before it, and Solar "
            "Orbiter, launched in 2020, is taking the first pictures of the Sun's polar regions.",
        ]),
        ("Past and future", [
            "The Sun formed about 4.6 billion years ago from a collapsing cloud of gas and dust; the "
            "planets formed from the disc of material left around it. It is now about halfway through "
            "its life as a stable, hydrogen-burning star and grows slowly brighter. In about five "
            "billion years, when the hydrogen in its core runs out, it will swell into a red giant, "
            "perhaps large enough to swallow Mercury and Venus, then shed its outer layers and end "
            "as a white dwarf about the size of the Earth.",
        ]),
        ("In Orbivale", [
            "The Sun sits at the centre of the simulated Solar System and lights every body in it; "
            "the side of each planet and moon facing the Sun is bright and the far side is dark. To "
            "see the whole family, move the camera well away from the Sun, or use the Solar System "
            "Map.",
        ]),
    ],
)

FULL_ARTICLES["Mercury"] = dict(
    subtitle="The first planet from the Sun",
    facts=[
        ("Diameter", "4,879 km (0.38 times the Earth's)"),
        ("Mass", sci("3.30", 23) + " (0.055 Earths)"),
        ("Mean density", "5.43 g/cm<sup>3</sup>"),
        ("Surface gravity", "3.7 m/s<sup>2</sup> (0.38 times the Earth's)"),
        ("Mean distance from the Sun", "57.9 million km (0.387 AU)"),
        ("Closest and farthest from the Sun", "46.0 and 69.8 million km"),
        ("Orbital period", "88.0 days"),
        ("Orbital eccentricity", "0.206"),
        ("Orbital inclination", "7.0&deg; to the ecliptic"),
        ("Rotation period", "58.6 days"),
        ("Length of a solar day", "176 Earth days"),
        ("Axial tilt", "about 0.03&deg;"),
        ("Moons", "none"),
        ("Surface temperature", "about 430 &deg;C by day, &minus;180 &deg;C at night"),
        ("Atmosphere", "almost none: a very thin exosphere of sodium, potassium, oxygen, hydrogen and helium"),
    ],
    intro=[
        "Mercury is the smallest of the eight major planets and the closest to the Sun. It is a "
        "rocky world, only a little larger than the Moon, and at first sight it looks much like "
        "the Moon: grey, airless and covered in craters. Because it never strays far from the Sun "
        "in our sky it is hard to see from the Earth, low in the twilight just after sunset or "
        "before sunrise. It is named after the swift messenger of the Roman gods, a fitting name "
        "for the planet that moves fastest around the Sun.",
    ],
    sections=[
        ("Orbit and rotation", [
            "Mercury's orbit is the most elongated of the eight major planets': its distance from the Sun varies "
            "between 46 and 70 million km. It turns on its axis exactly three times for every two "
            "trips around the Sun. The combination makes its days very long: from one sunrise to the "
            "next takes 176 Earth days, two of Mercury's years. From some places on the surface the "
            "Sun would be seen to rise, stop, go briefly backwards and then carry on across the sky.",
            "The slow shift of Mercury's orbit around the Sun could not be fully explained by "
            "Newton's laws. In 1915 Albert Einstein showed that his general theory of relativity "
            "accounts for it exactly, one of the first tests the theory passed.",
        ]),
        ("Structure", [
            "Mercury is the second densest planet after the Earth. An iron core takes up about 85 "
            "per cent of its radius, far more than in any other rocky planet, surrounded by a thin "
            "rocky mantle and crust. Part of the core is still molten, and it produces a weak "
            "magnetic field, about one per cent as strong as the Earth's. Why Mercury has so much "
            "iron is not known; one idea is that a giant collision early in its history stripped "
            "away much of its original rocky mantle.",
        ]),
        ("Surface", [
            "The surface is heavily cratered, with smooth volcanic plains between the craters. The "
            "largest known impact scar is the Caloris Basin, about 1,550 km across; the shock of the "
            "impact seems to have jumbled the ground on the opposite side of the planet. Long "
            "cliffs, hundreds of kilometres long and up to about 3 km high, wind across the surface. They "
            "formed as the planet's interior cooled and Mercury shrank, wrinkling its crust.",
            "With almost no air to hold heat, the surface is scorched to about 430 &deg;C by day and "
            "freezes to &minus;180 &deg;C at night. Yet in craters near the poles, whose floors never "
            "see sunlight, there are deposits of water ice. Mercury's craters are named after "
            "artists, writers and composers.",
        ]),
        ("Exploration", [
            "Mariner 10 was the first spacecraft to visit Mercury. It flew past three times in 1974 "
            "and 1975 and photographed a little under half of the surface. MESSENGER went into orbit "
            "in 2011, the first craft to do so, and mapped the whole planet before it was deliberately "
            "crashed into the surface in 2015; it confirmed the ice at the poles. BepiColombo, a joint "
            "mission of the European and Japanese space agencies launched in 2018, carries two "
            "orbiters to study the planet and its magnetic field.",
        ]),
    ],
)

FULL_ARTICLES["Venus"] = dict(
    subtitle="The second planet from the Sun",
    facts=[
        ("Diameter", "12,104 km (0.95 times the Earth's)"),
        ("Mass", sci("4.87", 24) + " (0.815 Earths)"),
        ("Mean density", "5.24 g/cm<sup>3</sup>"),
        ("Surface gravity", "8.9 m/s<sup>2</sup> (0.9 times the Earth's)"),
        ("Mean distance from the Sun", "108.2 million km (0.723 AU)"),
        ("Orbital period", "224.7 days"),
        ("Orbital eccentricity", "0.007 (the most nearly circular of the planets)"),
        ("Orbital inclination", "3.4&deg; to the ecliptic"),
        ("Rotation period", "243.0 days, retrograde (backwards)"),
        ("Length of a solar day", "about 117 Earth days"),
        ("Axial tilt", "177.4&deg; (upside down, hence the backwards spin)"),
        ("Moons", "none"),
        ("Surface temperature", "about 465 &deg;C, day and night"),
        ("Surface pressure", "about 92 times the Earth's"),
        ("Atmosphere", "96.5 per cent carbon dioxide, 3.5 per cent nitrogen; clouds of sulphuric acid"),
    ],
    intro=[
        "Venus is the closest planet to the Earth and nearly its twin in size, mass and make-up, "
        "yet it could hardly be more different as a place. Under a crushing atmosphere of carbon "
        "dioxide, its surface is hotter than an oven and hot enough to melt lead. Seen from the "
        "Earth it is the brightest object in the sky after the Sun and the Moon, shining as the "
        "\"morning star\" or \"evening star\" depending on which side of the Sun it is. It is named "
        "after the Roman goddess of love and beauty.",
    ],
    sections=[
        ("Atmosphere", [
            "The atmosphere of Venus is about 90 times as massive as the Earth's; standing on the "
            "surface would feel like being nearly a kilometre under the sea. It is almost all carbon "
            "dioxide, which traps the Sun's heat in a runaway greenhouse effect, so that the surface "
            "is about 465 &deg;C everywhere, by day and by night, at the poles as at the equator. This "
            "makes Venus hotter than Mercury, although Mercury is twice as close to the Sun.",
            "The planet is wrapped in unbroken clouds of sulphuric acid droplets, between about 45 "
            "and 70 km up. They reflect most of the sunlight, which is why Venus is so bright, and "
            "they hide the surface from view. While the planet itself turns very slowly, the cloud "
            "tops race around it in about four days.",
        ]),
        ("Rotation", [
            "Venus spins backwards compared with most planets and very slowly: one turn takes 243 "
            "days, longer than its year of 225 days. As a result the Sun rises in the west and sets "
            "in the east, and a day from one sunrise to the next lasts about 117 Earth days.",
        ]),
        ("Structure and surface", [
            "Inside, Venus is probably much like the Earth, with an iron core, a rocky mantle and a "
            "crust, but it has no measurable magnetic field of its own.",
            "Radar, which can see through the clouds, shows a surface shaped by volcanoes: wide lava "
            "plains, thousands of volcanoes, strange flat-topped \"pancake\" domes and ring-shaped "
            "features called coronae. The highest mountains, Maxwell Montes, rise about 11 km above "
            "the average level. There are only about a thousand impact craters, which suggests that "
            "the whole surface was repaved by lava within the last several hundred million years, and "
            "there are signs that some volcanoes may still be active. Almost all the features on Venus "
            "are named after women, real and mythical.",
        ]),
        ("Observation and exploration", [
            "In 1610 Galileo Galilei saw that Venus shows phases like the Moon, strong evidence that "
            "it circles the Sun rather than the Earth. Rare transits, when Venus crosses the face of "
            "the Sun, were used in the 18th century to measure the size of the Solar System; the last "
            "pair took place in 2004 and 2012 and the next will be in 2117.",
            "Mariner 2 flew past in 1962, the first successful visit by any spacecraft to another "
            "planet. The Soviet Venera landers were the first to send data from the surface of "
            "another planet (Venera 7, 1970) and the first to send pictures from it (Venera 9, 1975); "
            "none survived more than about two hours in the heat. The Magellan orbiter mapped almost "
            "the whole surface by radar between 1990 and 1994. Later orbiters, Europe's Venus "
            "Express and Japan's Akatsuki, studied the atmosphere and its weather.",
        ]),
    ],
)

FULL_ARTICLES["Earth"] = dict(
    subtitle="The third planet from the Sun, and our home",
    facts=[
        ("Diameter", "12,756 km at the equator, 12,714 km pole to pole"),
        ("Mass", sci("5.97", 24)),
        ("Mean density", "5.51 g/cm<sup>3</sup> (the densest planet)"),
        ("Surface gravity", "9.81 m/s<sup>2</sup>"),
        ("Mean distance from the Sun", "149.6 million km (1 astronomical unit, AU)"),
        ("Orbital period", "365.26 days"),
        ("Orbital eccentricity", "0.017"),
        ("Rotation period", "23 h 56 min 4 s (relative to the stars)"),
        ("Length of a solar day", "24 hours"),
        ("Axial tilt", "23.44&deg;"),
        ("Moons", "1, the Moon"),
        ("Mean surface temperature", "about 15 &deg;C (extremes about &minus;89 &deg;C to 57 &deg;C)"),
        ("Atmosphere", "78 per cent nitrogen, 21 per cent oxygen, 0.9 per cent argon, water vapour, carbon dioxide"),
        ("Surface covered by water", "about 71 per cent"),
        ("Age", "about 4.54 billion years"),
    ],
    intro=[
        "The Earth is the largest of the four rocky planets and the only world known to have "
        "oceans of liquid water on its surface and to support life. It orbits the Sun at just the "
        "right distance for water to be liquid, and its atmosphere, magnetic field and moving crust "
        "all help to keep it habitable. From space it is a blue and white ball of oceans and "
        "clouds, with brown and green continents.",
    ],
    sections=[
        ("Orbit, seasons and days", [
            "The Earth takes 365.26 days to go once around the Sun, which is why a calendar year has "
            "365 days with an extra day every fourth year. It turns once on its axis, relative to the "
            "stars, in 23 hours 56 minutes; the solar day of 24 hours is slightly longer because the "
            "Earth moves along its orbit while it turns.",
            "The axis is tilted by 23.4&deg;. As the Earth goes round the Sun, first one hemisphere "
            "and then the other leans towards the Sun, and this, not the small change in distance, "
            "causes the seasons. The Earth is actually closest to the Sun in early January.",
        ]),
        ("Structure", [
            "The Earth is built in layers. The rocky <b>crust</b> is from about 5 km thick under the "
            "oceans to 70 km under high mountains. Below it, the <b>mantle</b> of hot rock reaches "
            "down to 2,900 km; although solid, it flows very slowly. The <b>outer core</b> of liquid "
            "iron and nickel stirs as the Earth turns and generates the planet's magnetic field. At "
            "the centre is a solid <b>inner core</b>, about 2,400 km across and about as hot as the "
            "surface of the Sun.",
            "The crust and the top of the mantle are broken into plates that drift a few "
            "centimetres a year. Where plates meet, mountains are pushed up, earthquakes shake the "
            "ground and volcanoes erupt. Over hundreds of millions of years this plate tectonics "
            "reshapes the continents and recycles the crust.",
        ]),
        ("Surface, air and life", [
            "Oceans cover about 71 per cent of the surface, with an average depth of about 3.7 km; "
            "the deepest point, in the Mariana Trench, is nearly 11 km down, and the highest, the "
            "summit of Mount Everest, is 8,849 m above sea level. The atmosphere, mostly nitrogen and "
            "oxygen, keeps the surface warm, shields it from harmful radiation and carries water "
            "around the planet as clouds and rain. (See <a href=\"EarthAtmos.htm\">the Earth's "
            "atmosphere</a>.)",
            "Life appeared on the Earth at least 3.5 billion years ago. For most of the planet's "
            "history it was microscopic, but it changed the world: the oxygen in the air was made by "
            "living things. Today life is found from the deepest ocean trenches to high in the air.",
        ]),
        ("The Earth from space", [
            "Sputnik 1, the first artificial satellite, was launched on 4 October 1957, and Yuri "
            "Gagarin became the first person in space on 12 April 1961. The astronauts of Apollo 8 "
            "took the famous \"Earthrise\" photograph from lunar orbit in December 1968, and the crew "
            "of Apollo 17 took the \"Blue Marble\" picture of the whole Earth in 1972. In 1990 Voyager "
            "1 looked back from about 6 billion km and saw the Earth as a \"pale blue dot\". Thousands "
            "of satellites now watch the weather, map the land and oceans and measure the climate, "
            "and the International Space Station has had people aboard continuously since November "
            "2000.",
        ]),
        ("In Orbivale", [
            "The Earth is drawn with its atmosphere as a thin bluish shell around it. The Earth is "
            "also the observer's home: the Sky View shows the sky as seen from a chosen place on it.",
        ]),
    ],
)

FULL_ARTICLES["Moon"] = dict(
    subtitle="The Earth's only natural satellite",
    facts=[
        ("Diameter", "3,475 km (0.27 times the Earth's)"),
        ("Mass", sci("7.35", 22) + " (1/81 of the Earth's)"),
        ("Mean density", "3.34 g/cm<sup>3</sup>"),
        ("Surface gravity", "1.62 m/s<sup>2</sup> (about 1/6 of the Earth's)"),
        ("Mean distance from the Earth", "384,400 km (between about 363,300 and 405,500 km)"),
        ("Orbital period", "27.32 days relative to the stars; 29.53 days from one new moon to the next"),
        ("Orbital eccentricity", "0.055"),
        ("Orbital inclination", "5.1&deg; to the ecliptic"),
        ("Rotation period", "27.32 days (synchronous: the same face always points to the Earth)"),
        ("Axial tilt", "1.5&deg; to the ecliptic"),
        ("Surface temperature", "about 120 &deg;C by day to &minus;170 &deg;C at night; colder still in polar craters"),
        ("Atmosphere", "none to speak of"),
        ("Age", "about 4.5 billion years"),
    ],
    intro=[
        "The Moon is the Earth's companion and the only other world people have walked on. It is "
        "the fifth largest moon in the Solar System and, for its planet's size, the largest moon "
        "of any of the eight major planets: a quarter of the Earth's diameter. Its gravity raises the tides in the oceans and "
        "steadies the tilt of the Earth's axis, and its monthly cycle of phases gave us the month.",
    ],
    sections=[
        ("Orbit and phases", [
            "The Moon goes round the Earth once every 27.3 days, and it turns on its axis in exactly "
            "the same time, so it always shows the same face to us; the far side was first seen in "
            "1959. Slight rocking motions called librations let us see about 59 per cent of the "
            "surface over time.",
            "As it circles the Earth, we see more or less of its sunlit half: from new moon, through "
            "the crescent, first quarter and gibbous phases, to full moon and back, in 29.5 days. "
            "Because its orbit is tilted by about 5&deg; to the Earth's, the Moon usually passes above "
            "or below the Sun or the Earth's shadow; when the three line up exactly we see a solar or "
            "a lunar eclipse. The Moon is slowly moving away from the Earth, by about 3.8 cm a year, "
            "as measured by bouncing laser beams off reflectors left by astronauts.",
        ]),
        ("Origin and structure", [
            "The Moon probably formed about 4.5 billion years ago, when a body about the size of Mars "
            "struck the young Earth and the debris thrown out gathered in orbit. It has a small iron "
            "core, a rocky mantle and a crust that is thicker on the far side than on the near side.",
        ]),
        ("Surface", [
            "The bright <b>highlands</b> are old crust, saturated with craters. The dark <b>maria</b> "
            "(Latin for \"seas\", as early astronomers took them for) are plains of volcanic basalt "
            "that flooded huge impact basins 3 to 4 billion years ago; they are found almost only on "
            "the near side and make the \"man in the Moon\". Young craters such as Tycho and "
            "Copernicus are surrounded by bright rays of ejected material. The South Pole&ndash;Aitken "
            "basin on the far side, about 2,500 km across, is one of the largest impact craters in the "
            "Solar System.",
            "The whole surface is blanketed in <i>regolith</i>, a layer of dust and broken rock made "
            "by billions of years of impacts. With no air to spread the heat, the temperature swings "
            "from about 120 &deg;C in sunlight to &minus;170 &deg;C at night. Craters near the poles "
            "that never see the Sun are among the coldest places known and hold water ice.",
        ]),
        ("Exploration", [
            "The Soviet Luna 2 was the first craft to reach the Moon, in 1959, and Luna 3 photographed "
            "the far side the same year. Luna 9 made the first soft landing in 1966. On 20 July 1969 "
            "Neil Armstrong and Buzz Aldrin of Apollo 11 became the first people to walk on the Moon. "
            "In six landings up to December 1972, twelve astronauts explored the surface and brought "
            "back 382 kg of rock and soil. Soviet robots returned samples and drove the first rovers "
            "on the Moon in the 1970s.",
            "Since the 1990s many orbiters have mapped the Moon in detail, among them Clementine, "
            "Lunar Prospector, the Lunar Reconnaissance Orbiter and India's Chandrayaan-1, and they "
            "have found signs of water ice at the poles. China's Chang'e 4 made the first landing on "
            "the far side in 2019, and Chang'e 5 and Chang'e 6 brought back new samples, the latter "
            "from the far side. India's Chandrayaan-3 landed near the south pole in 2023. The "
            "Artemis programme aims to return astronauts to the Moon.",
        ]),
    ],
)

FULL_ARTICLES["Mars"] = dict(
    subtitle="The fourth planet from the Sun",
    facts=[
        ("Diameter", "6,792 km at the equator, 6,779 km on average (0.53 times the Earth's)"),
        ("Mass", sci("6.42", 23) + " (0.107 Earths)"),
        ("Mean density", "3.93 g/cm<sup>3</sup>"),
        ("Surface gravity", "3.7 m/s<sup>2</sup> (0.38 times the Earth's)"),
        ("Mean distance from the Sun", "227.9 million km (1.52 AU)"),
        ("Orbital period", "687 days (1.88 years)"),
        ("Orbital eccentricity", "0.093"),
        ("Orbital inclination", "1.85&deg; to the ecliptic"),
        ("Rotation period", "24 h 37 min"),
        ("Length of a solar day (sol)", "24 h 40 min"),
        ("Axial tilt", "25.2&deg;"),
        ("Moons", "2: <a href=\"Phobos.htm\">Phobos</a> and <a href=\"Deimos.htm\">Deimos</a>"),
        ("Surface temperature", "about &minus;60 &deg;C on average; from about &minus;140 &deg;C to +20 &deg;C"),
        ("Surface pressure", "about 0.6 per cent of the Earth's"),
        ("Atmosphere", "95 per cent carbon dioxide, 3 per cent nitrogen, 2 per cent argon"),
    ],
    intro=[
        "Mars, the red planet, is a cold, dry desert world about half the size of the Earth. Its "
        "colour, which made the ancients name it after their god of war, comes from iron oxide, rust, "
        "in its dust. It has seasons, polar ice caps, volcanoes, canyons and weather, and a day only "
        "a little longer than ours, which makes it the most Earth-like of the other planets. Billions "
        "of years ago water flowed on its surface, and whether life ever arose there is one of the "
        "great open questions of science.",
    ],
    sections=[
        ("Structure and atmosphere", [
            "Mars has an iron-rich core about 1,800 km in radius, which the InSight lander found to be "
            "liquid, a rocky mantle and a crust a few tens of kilometres thick. It has no global "
            "magnetic field today, although parts of the ancient crust are magnetised, a sign that it "
            "once had one.",
            "The atmosphere is very thin, less than one per cent of the Earth's surface pressure, and "
            "mostly carbon dioxide. In winter so much of it freezes onto the poles that the air "
            "pressure over the whole planet drops noticeably. Dust storms are common, and every few "
            "years one grows to hide almost the entire planet for weeks.",
        ]),
        ("Surface", [
            "The southern half of Mars is old, high and cratered; the northern half is lower and "
            "smoother. The Tharsis region carries the largest volcanoes in the Solar System: Olympus "
            "Mons rises about 22 km above the planet's average surface level and is some 600 km wide. Beside Tharsis "
            "lies Valles Marineris, a system of canyons about 4,000 km long and up to 7 km deep, which "
            "would stretch across the United States. The Hellas basin, an impact crater about 2,300 km "
            "across, is the lowest place on the planet.",
            "Both poles have caps of water ice, covered in winter by a layer of frozen carbon dioxide. "
            "Dried-up river valleys, lake beds and deltas show that liquid water once flowed on Mars, "
            "and large amounts of ice remain buried under the ground today.",
        ]),
        ("Exploration", [
            "Mariner 4 sent back the first close-up pictures in 1965, and Mariner 9 became the first "
            "spacecraft to orbit another planet in 1971. The two Viking landers of 1976 photographed "
            "the surface and tested the soil for signs of life. Since then Mars has been visited by "
            "more spacecraft than any planet except the Earth. Rovers have explored it since "
            "Sojourner in 1997: Spirit and Opportunity from 2004 (Opportunity kept going for 14 years), "
            "Curiosity in Gale crater from 2012, and Perseverance in Jezero crater from 2021, which is "
            "collecting rock samples for a future return to the Earth. Perseverance carried the "
            "Ingenuity helicopter, which made the first powered flight on another world. China's "
            "Zhurong rover landed in 2021. Orbiters such as Mars Reconnaissance Orbiter, Mars Express "
            "and MAVEN map the planet and watch its weather.",
        ]),
        ("Moons", [
            "Mars has two small, dark moons, <a href=\"Phobos.htm\">Phobos</a> and <a "
            "href=\"Deimos.htm\">Deimos</a>, discovered by Asaph Hall in 1877. They look like "
            "asteroids, and may have been captured by Mars or formed from debris of a great impact.",
        ]),
        ("In Orbivale", [
            "Unless you choose another starting body in its options, Orbivale starts with the "
            "camera ten Mars radii from the centre of Mars, on its sunny side, looking at the "
            "planet.",
        ]),
    ],
)

FULL_ARTICLES["Jupiter"] = dict(
    subtitle="The fifth planet from the Sun, and the largest",
    facts=[
        ("Diameter", "142,984 km at the equator, 133,708 km pole to pole (11.2 times the Earth's)"),
        ("Mass", sci("1.898", 27) + " (318 Earths; more than twice all the other planets together)"),
        ("Mean density", "1.33 g/cm<sup>3</sup>"),
        ("Gravity at the cloud tops", "24.8 m/s<sup>2</sup> (2.5 times the Earth's)"),
        ("Mean distance from the Sun", "778 million km (5.20 AU)"),
        ("Orbital period", "11.86 years"),
        ("Orbital eccentricity", "0.049"),
        ("Orbital inclination", "1.3&deg; to the ecliptic"),
        ("Rotation period", "9 h 56 min"),
        ("Axial tilt", "3.1&deg;"),
        ("Moons", "95 known (2023); more small ones are still being found"),
        ("Temperature", "about &minus;110 &deg;C where the pressure equals the Earth's at sea level"),
        ("Atmosphere", "about 90 per cent hydrogen and 10 per cent helium (by number of molecules), with methane, ammonia and water"),
        ("Rings", "faint rings of dust"),
    ],
    intro=[
        "Jupiter is the giant of the Solar System: more than eleven times as wide as the Earth and "
        "more massive than all the other planets put together. It is a gas giant, made mostly of "
        "hydrogen and helium, with no solid surface to stand on. Its colourful bands of cloud, its "
        "Great Red Spot and its family of moons make it one of the finest sights in a small "
        "telescope. It is named after the king of the Roman gods.",
    ],
    sections=[
        ("Structure", [
            "What we see of Jupiter is the top of a deep atmosphere. Going down, the gas becomes "
            "hotter and denser until, thousands of kilometres below the clouds, hydrogen is squeezed "
            "into a liquid that conducts electricity like a metal. Currents in this metallic hydrogen, "
            "stirred by the planet's fast rotation, generate the strongest magnetic field of any "
            "planet. At the centre there is a heavy core of rock and ice, which measurements by the "
            "Juno spacecraft suggest is large and diffuse rather than compact. Jupiter gives off "
            "about 1.7 times as much heat as it receives from the Sun, heat left over from its "
            "formation.",
        ]),
        ("Atmosphere and weather", [
            "Jupiter turns once in under ten hours, faster than any other planet, and the quick spin "
            "flattens it visibly at the poles and draws its clouds into bands parallel to the "
            "equator: light <i>zones</i> and darker <i>belts</i>, separated by jet streams blowing in "
            "opposite directions. The clouds are made of ammonia, ammonium hydrosulphide and water; "
            "the colours probably come from compounds of sulphur and phosphorus.",
            "The Great Red Spot is an enormous storm, an anticyclone turning once in about six days, "
            "that has been watched since at least the 1830s and may be the spot recorded in the "
            "1660s. It used to be wide enough to hold two or three Earths; it has shrunk during the "
            "last century and is now a little wider than the Earth. Lightning flashes in Jupiter's "
            "storms, and its aurorae are the most powerful in the Solar System.",
        ]),
        ("Rings, magnetosphere and moons", [
            "Jupiter has faint rings of fine dust, discovered by Voyager 1 in 1979: a thick inner "
            "halo, a thin main ring fed by the little moons <a href=\"Metis.htm\">Metis</a> and <a "
            "href=\"Adrastea.htm\">Adrastea</a>, and two wide gossamer rings made of dust from <a "
            "href=\"Amalthea.htm\">Amalthea</a> and <a href=\"Thebe.htm\">Thebe</a>. Its magnetic "
            "field traps a vast region of charged particles, with radiation belts deadly to "
            "unprotected electronics; its tail stretches out beyond the orbit of Saturn.",
            "Galileo Galilei discovered the four large moons in January 1610, the first moons found "
            "around another planet: <a href=\"IoFrame.htm\">Io</a>, <a "
            "href=\"EuropaFrame.htm\">Europa</a>, <a href=\"GanymedeFrame.htm\">Ganymede</a> and <a "
            "href=\"CallistoFrame.htm\">Callisto</a>. Seeing them go round Jupiter helped to overturn "
            "the old belief that everything circles the Earth. Most of Jupiter's other moons are small "
            "captured bodies on distant, tilted orbits, many of them moving backwards.",
        ]),
        ("Exploration", [
            "Pioneer 10 and 11 flew past in 1973 and 1974, followed by Voyager 1 and 2 in 1979, which "
            "discovered the rings and the volcanoes of Io. In July 1994 the fragments of comet "
            "Shoemaker&ndash;Levy 9 crashed into Jupiter, leaving dark scars, some as large as the Earth. "
            "The Galileo spacecraft orbited Jupiter from 1995 to 2003 and dropped a probe into its "
            "atmosphere. Juno has orbited over the poles since 2016, studying the interior, the "
            "magnetic field and the aurorae. Two new missions are on their way: Europe's Juice, "
            "launched in 2023, will end in orbit around Ganymede, and NASA's Europa Clipper, launched "
            "in 2024, will make dozens of close passes of Europa.",
        ]),
    ],
)

FULL_ARTICLES["Saturn"] = dict(
    subtitle="The sixth planet from the Sun, the ringed planet",
    facts=[
        ("Diameter", "120,536 km at the equator, 108,728 km pole to pole (9.4 times the Earth's)"),
        ("Mass", sci("5.68", 26) + " (95 Earths)"),
        ("Mean density", "0.69 g/cm<sup>3</sup> (less than water)"),
        ("Gravity at the cloud tops", "10.4 m/s<sup>2</sup>"),
        ("Mean distance from the Sun", "1,430 million km (9.5 AU)"),
        ("Orbital period", "29.46 years"),
        ("Orbital eccentricity", "0.057"),
        ("Orbital inclination", "2.5&deg; to the ecliptic"),
        ("Rotation period", "about 10 h 33 min"),
        ("Axial tilt", "26.7&deg;"),
        ("Moons", "274 known (2025), most of them small"),
        ("Temperature", "about &minus;140 &deg;C where the pressure equals the Earth's at sea level"),
        ("Atmosphere", "about 96 per cent hydrogen and 3 per cent helium (by number of molecules), with methane and ammonia"),
        ("Main rings", "74,658 to 136,775 km from the centre: see <a href=\"SaturnRings.htm\">Saturn's rings</a>"),
    ],
    intro=[
        "Saturn, with its broad, bright rings, is for many people the most beautiful planet. It is "
        "the second largest, a gas giant like Jupiter, made mostly of hydrogen and helium. It is "
        "so light for its size that its average density is less than that of water. It is the most "
        "distant planet easily seen with the naked eye and was the outermost planet known before "
        "1781. It is named after the Roman god of farming, the father of Jupiter.",
    ],
    sections=[
        ("Structure", [
            "Like Jupiter, Saturn has no solid surface. Its atmosphere gets denser with depth until "
            "the hydrogen becomes liquid and, deeper still, metallic, generating the planet's magnetic "
            "field. The centre holds a core of rock and ice. Saturn radiates considerably more "
            "energy than it receives from the Sun; part of this heat is thought to come from helium "
            "slowly raining down through the hydrogen inside it.",
        ]),
        ("Atmosphere", [
            "Saturn's bands are softer and blander than Jupiter's, veiled by a high haze, but its "
            "winds are stronger, reaching about 1,800 km/h near the equator. At the north pole a "
            "striking six-sided jet stream, the hexagon, each side wider than the Earth, has "
            "persisted since Voyager first saw it in 1981. Roughly once every Saturn year a great "
            "white storm erupts and can wrap all the way around the planet, as in 1990 and 2010.",
            "The planet's length of day was hard to measure, because Saturn has no surface features "
            "and its magnetic field is lined up almost exactly with its spin axis. In 2019 waves in "
            "the rings, caused by the planet's interior, gave a day of about 10 hours 33 minutes.",
        ]),
        ("Rings", [
            "Galileo saw something odd on each side of Saturn in 1610, but his telescope was too small "
            "to show what it was. In 1655 Christiaan Huygens explained that the planet is surrounded "
            "by a thin, flat ring, and in 1675 Giovanni Cassini saw the dark gap in it now called the "
            "Cassini Division. The rings are made of countless pieces of water ice, each on its own "
            "orbit; they are wider than 20 Earths side by side but mostly only about ten metres "
            "thick. Every 14 to 15 years the Earth passes through their plane and they seem to "
            "vanish for a while, as last happened in 2025. See <a href=\"SaturnRings.htm\">Saturn's "
            "rings</a>.",
        ]),
        ("Moons", [
            "Saturn has more known moons than any other planet. <a href=\"Titan.htm\">Titan</a>, "
            "bigger than Mercury, has a thick atmosphere and lakes of liquid methane. <a "
            "href=\"Enceladus.htm\">Enceladus</a> sprays water from a hidden ocean, <a "
            "href=\"Iapetus.htm\">Iapetus</a> is half black and half white, and <a "
            "href=\"Hyperion.htm\">Hyperion</a> looks like a sponge. Small moons shepherd the rings "
            "or share their orbits with larger moons, and dozens of tiny, distant moons are probably "
            "captured fragments.",
        ]),
        ("Exploration", [
            "Pioneer 11 flew past Saturn in 1979, followed by Voyager 1 in 1980 and Voyager 2 in 1981. "
            "The Cassini spacecraft orbited Saturn from 2004 to 2017, one of the most successful "
            "planetary missions ever. Its Huygens probe landed on Titan in January 2005, and Cassini "
            "discovered the geysers of Enceladus and Titan's lakes. At the end of its mission it dived "
            "repeatedly through the gap between the planet and the rings before plunging into "
            "Saturn's atmosphere on 15 September 2017. NASA's Dragonfly, a flying drone, is planned "
            "to explore Titan in the 2030s.",
        ]),
    ],
)

FULL_ARTICLES["Uranus"] = dict(
    subtitle="The seventh planet from the Sun",
    facts=[
        ("Diameter", "51,118 km (4.0 times the Earth's)"),
        ("Mass", sci("8.68", 25) + " (14.5 Earths)"),
        ("Mean density", "1.27 g/cm<sup>3</sup>"),
        ("Gravity at the cloud tops", "8.7 m/s<sup>2</sup>"),
        ("Mean distance from the Sun", "2,870 million km (19.2 AU)"),
        ("Orbital period", "84.0 years"),
        ("Orbital eccentricity", "0.046"),
        ("Orbital inclination", "0.8&deg; to the ecliptic"),
        ("Rotation period", "17 h 14 min, retrograde"),
        ("Axial tilt", "97.8&deg;"),
        ("Moons", "28 known (2024); a 29th was announced in 2025"),
        ("Temperature", "about &minus;197 &deg;C where the pressure equals the Earth's at sea level; as low as &minus;224 &deg;C higher up"),
        ("Atmosphere", "about 83 per cent hydrogen, 15 per cent helium, 2 per cent methane"),
        ("Rings", "13 known narrow rings"),
        ("Discovered", "by William Herschel, 13 March 1781"),
    ],
    intro=[
        "Uranus is the first planet discovered in modern times, and the strangest in the way it "
        "moves: its axis is tipped over so far that it rolls around the Sun on its side. It is an "
        "ice giant, four times as wide as the Earth, whose methane gives it a calm, pale blue-green "
        "colour. It is named after the Greek god of the sky.",
    ],
    sections=[
        ("Discovery", [
            "Uranus is just visible to the naked eye on a dark night, but it moves so slowly that it "
            "had been recorded as a star many times before William Herschel noticed on 13 March 1781 "
            "that it showed a small disc in his telescope. He first thought it was a comet; it was "
            "soon shown to be a planet, doubling the size of the known Solar System. Herschel wanted "
            "to name it after King George III; the name Uranus, proposed by Johann Bode, was "
            "eventually adopted.",
        ]),
        ("Structure and atmosphere", [
            "Uranus and Neptune are called ice giants because most of their mass is thought to be "
            "water, ammonia and methane, the materials astronomers call ices, although inside the "
            "planet they form a hot, dense fluid. This mantle surrounds a small rocky core and lies "
            "beneath a deep atmosphere of hydrogen and helium. Methane in the upper atmosphere absorbs "
            "red light, giving the planet its colour.",
            "Uranus gives off very little heat of its own, and its upper atmosphere holds the lowest "
            "temperature measured on any planet, about &minus;224 &deg;C. When Voyager 2 passed in 1986 "
            "it looked almost featureless, but since then large telescopes have seen bright clouds and "
            "storms come and go as the seasons change.",
        ]),
        ("A planet on its side", [
            "With its axis tilted by 98&deg;, each pole of Uranus points almost straight at the Sun "
            "for part of its 84-year orbit. Each pole in turn has about 42 years of continuous "
            "daylight followed by 42 years of night. The tilt may be the result of a giant collision "
            "long ago. The magnetic field is just as odd: it is tilted by about 60&deg; to the spin "
            "axis and is offset from the planet's centre.",
        ]),
        ("Rings and moons", [
            "Thin, dark rings around Uranus were discovered in 1977, when they dimmed the light of a "
            "star passing behind the planet; 13 are now known. The brightest, the epsilon ring, is "
            "kept narrow by the little moons <a href=\"Cordelia.htm\">Cordelia</a> and <a "
            "href=\"Ophelia.htm\">Ophelia</a>.",
            "The moons of Uranus are named after characters in the plays of William Shakespeare and "
            "the poetry of Alexander Pope. There are five large moons, <a "
            "href=\"Miranda.htm\">Miranda</a>, <a href=\"Ariel.htm\">Ariel</a>, <a "
            "href=\"Umbriel.htm\">Umbriel</a>, <a href=\"Titania.htm\">Titania</a> and <a "
            "href=\"Oberon.htm\">Oberon</a>; a crowded swarm of small inner moons close to the rings; "
            "and several small, distant irregular moons.",
        ]),
        ("Exploration", [
            "Only one spacecraft has visited Uranus: Voyager 2 flew past on 24 January 1986, "
            "discovering ten new moons and two new rings and photographing the large moons. Since "
            "then it has been studied with the Hubble Space Telescope, the James Webb Space Telescope "
            "and large telescopes on the ground. An orbiter with an atmospheric probe has been "
            "proposed as a top priority for a future NASA mission.",
        ]),
    ],
)

FULL_ARTICLES["Neptune"] = dict(
    subtitle="The eighth planet from the Sun",
    facts=[
        ("Diameter", "49,528 km (3.9 times the Earth's)"),
        ("Mass", sci("1.02", 26) + " (17.1 Earths)"),
        ("Mean density", "1.64 g/cm<sup>3</sup>"),
        ("Gravity at the cloud tops", "11.2 m/s<sup>2</sup>"),
        ("Mean distance from the Sun", "4,500 million km (30.1 AU)"),
        ("Orbital period", "164.8 years"),
        ("Orbital eccentricity", "0.009"),
        ("Orbital inclination", "1.8&deg; to the ecliptic"),
        ("Rotation period", "16 h 6 min"),
        ("Axial tilt", "28.3&deg;"),
        ("Moons", "16 known (2024)"),
        ("Temperature", "about &minus;200 &deg;C where the pressure equals the Earth's at sea level"),
        ("Atmosphere", "about 80 per cent hydrogen, 19 per cent helium, 1.5 per cent methane"),
        ("Rings", "5 main rings, faint and dusty"),
        ("Discovered", "by Johann Galle and Heinrich d'Arrest, 23 September 1846, from the predictions of Urbain Le Verrier"),
    ],
    intro=[
        "Neptune is the outermost of the eight major planets, thirty times as far from the Sun as "
        "the Earth. It is an ice giant slightly smaller than Uranus but denser and more massive, "
        "coloured blue by the methane in its atmosphere. Although it receives only about a "
        "nine-hundredth of the sunlight the Earth does, it has the fiercest winds in the Solar System. "
        "It is named after the Roman god of the sea.",
    ],
    sections=[
        ("Discovery", [
            "Neptune was the first planet found by mathematics before it was seen. Uranus was not "
            "moving quite as predicted, and astronomers suspected the pull of an unknown planet "
            "beyond it. Urbain Le Verrier in France, and independently John Couch Adams in England, "
            "calculated where it should be. On 23 September 1846 Johann Galle and Heinrich d'Arrest "
            "at the Berlin Observatory found it within about one degree of Le Verrier's position. "
            "Galileo had in fact seen Neptune in 1612 and 1613, but took it for a star. Neptune "
            "completed its first full orbit since its discovery in 2011.",
        ]),
        ("Structure and atmosphere", [
            "Inside, Neptune is probably much like Uranus: a small rocky core, a thick mantle of hot, "
            "dense water, ammonia and methane, and a deep atmosphere of hydrogen and helium. Unlike "
            "Uranus, it gives off more than twice as much heat as it receives from the Sun, and this "
            "inner heat drives a lively weather system.",
            "Winds on Neptune reach about 2,000 km/h, the fastest measured on any planet. When Voyager "
            "2 passed in 1989 it saw the Great Dark Spot, a storm about as wide as the Earth, with "
            "bright white clouds of methane ice around it. By 1994 the Hubble Space Telescope found "
            "that it had vanished, and other dark spots have come and gone since.",
        ]),
        ("Rings and moons", [
            "Neptune has five main rings, faint and dark, named after astronomers connected with its "
            "discovery: Galle, Le Verrier, Lassell, Arago and Adams. The outer Adams ring contains "
            "bright clumps, or arcs, which are thought to be held together by the moon <a "
            "href=\"Galatea.htm\">Galatea</a>.",
            "By far the largest moon is <a href=\"Triton.htm\">Triton</a>, discovered only 17 days "
            "after the planet itself. It orbits backwards, and it is probably a dwarf planet captured "
            "from the Kuiper belt; its capture would have thrown the original moons into disorder. "
            "Of the small inner moons shown in Orbivale, from <a href=\"Naiad.htm\">Naiad</a> to <a "
            "href=\"Proteus.htm\">Proteus</a>, all but <a href=\"Larissa.htm\">Larissa</a> were "
            "discovered by Voyager 2, and <a href=\"Nereid.htm\">Nereid</a> follows one of "
            "the most elongated orbits of any moon.",
        ]),
        ("Exploration", [
            "Voyager 2 is the only spacecraft to have visited Neptune. On 25 August 1989 it passed "
            "about 5,000 km above the planet's cloud tops, then flew on past Triton, sending back the "
            "first detailed pictures of the planet, its rings and its moons. Since then Neptune has "
            "been watched by the Hubble and James Webb space telescopes and by large telescopes on "
            "the ground.",
        ]),
    ],
)

FULL_ARTICLES["Pluto"] = dict(
    subtitle="Dwarf planet, counted as the ninth planet from its discovery in 1930 until 2006",
    facts=[
        ("Classification", "dwarf planet of the Kuiper belt (a planet until 2006)"),
        ("Diameter", "2,377 km (0.19 times the Earth's; smaller than the Moon)"),
        ("Mass", sci("1.30", 22) + " (0.0022 Earths; about one-sixth of the Moon's)"),
        ("Mean density", "1.85 g/cm<sup>3</sup>"),
        ("Surface gravity", "0.62 m/s<sup>2</sup>"),
        ("Mean distance from the Sun", "5,910 million km (39.5 AU)"),
        ("Closest and farthest from the Sun", "4.4 and 7.4 billion km (29.7 and 49.3 AU)"),
        ("Orbital period", "248 years"),
        ("Orbital eccentricity", "0.25"),
        ("Orbital inclination", "17.2&deg; to the ecliptic"),
        ("Rotation period", "6 days 9 h 18 min, retrograde"),
        ("Axial tilt", "122.5&deg;"),
        ("Moons", "5: <a href=\"Charon.htm\">Charon</a>, Nix, Hydra, Kerberos and Styx"),
        ("Surface temperature", "about &minus;230 &deg;C"),
        ("Atmosphere", "very thin: nitrogen with some methane and carbon monoxide"),
        ("Discovered", "by Clyde Tombaugh, 18 February 1930"),
    ],
    intro=[
        "Pluto was discovered in 1930 and for 76 years was counted as the ninth planet. In 2006 the "
        "International Astronomical Union decided that a planet must have cleared its orbit of "
        "other bodies, and Pluto, which shares its region of space with countless other icy "
        "objects of the Kuiper belt, was reclassified as a <b>dwarf planet</b>. Orbivale still "
        "shows it with the planets, as the ninth body in its list of orbits. Pluto is smaller than "
        "the Moon, a world of ice and rock far out in the cold, where the Sun looks like a very "
        "bright star.",
    ],
    sections=[
        ("Discovery", [
            "Following up predictions of a planet beyond Neptune, Clyde Tombaugh, a young assistant at "
            "Lowell Observatory in Arizona, searched for it by comparing photographs of the same "
            "patch of sky taken days apart. On 18 February 1930 he found a faint dot that had moved. "
            "The name Pluto, after the Roman god of the underworld, was suggested by Venetia Burney, "
            "an eleven-year-old schoolgirl in Oxford. The predictions later proved to be mistaken; "
            "Pluto is far too small to have disturbed Neptune's orbit, and it was found partly by "
            "luck and careful searching.",
        ]),
        ("Orbit", [
            "Pluto's orbit is tilted by 17&deg; to those of the planets and is so elongated that for "
            "20 years of each orbit Pluto is closer to the Sun than Neptune; the last time was from "
            "1979 to 1999. The two can never collide, because Pluto goes round the Sun exactly twice "
            "for every three orbits of Neptune, which keeps them far apart. Like Uranus, Pluto spins "
            "on a steeply tilted axis.",
        ]),
        ("Surface and atmosphere", [
            "The New Horizons spacecraft showed that Pluto is a surprisingly varied and active world. "
            "Its best-known feature is a heart-shaped bright region, Tombaugh Regio. The western lobe "
            "of the heart, Sputnik Planitia, is a vast plain of frozen nitrogen about 1,000 km across, "
            "with no craters at all; the ice slowly churns in cells tens of kilometres wide. Around it "
            "rise mountains of water ice several kilometres high, which is as hard as rock at these "
            "temperatures. Elsewhere there are reddish-brown regions coloured by organic compounds, "
            "possible ice volcanoes, and fields of giant blade-like ridges of methane ice.",
            "Pluto has a very thin atmosphere of nitrogen, with layers of blue haze reaching more than "
            "200 km up. As Pluto moves away from the Sun along its orbit, much of this atmosphere is "
            "expected to freeze onto the surface.",
        ]),
        ("Moons", [
            "Pluto's largest moon, <a href=\"Charon.htm\">Charon</a>, discovered in 1978, is about half "
            "Pluto's diameter, so large that the two are sometimes called a double dwarf planet; they "
            "orbit a point in the space between them, each always showing the same face to the other. "
            "Four much smaller moons, Nix, Hydra, Kerberos and Styx, were found with the Hubble Space "
            "Telescope between 2005 and 2012. (Only Charon is shown in Orbivale.)",
        ]),
        ("Exploration", [
            "Pluto has been visited by only one spacecraft. New Horizons, launched in January 2006, "
            "flew past on 14 July 2015 at about 12,500 km from the surface and sent back detailed "
            "pictures of Pluto and Charon. It then flew on through the Kuiper belt and passed the "
            "small body Arrokoth on 1 January 2019.",
        ]),
    ],
)

FULL_ARTICLES["Io"] = dict(
    subtitle="Galilean moon of Jupiter, the most volcanic world in the Solar System",
    facts=[
        ("Diameter", "3,643 km (slightly larger than the Moon)"),
        ("Mass", sci("8.93", 22) + " (1.2 times the Moon's)"),
        ("Mean density", "3.53 g/cm<sup>3</sup>"),
        ("Surface gravity", "1.80 m/s<sup>2</sup>"),
        ("Mean distance from Jupiter", "421,700 km"),
        ("Orbital period", "1.77 days (42 h 28 min)"),
        ("Rotation period", "synchronous: the same face always points to Jupiter"),
        ("Surface temperature", "about &minus;160 &deg;C on average; lava hotter than 1,200 &deg;C"),
        ("Atmosphere", "very thin, mostly sulphur dioxide"),
        ("Discovered", "by Galileo Galilei, January 1610"),
    ],
    intro=[
        "Io is the innermost of the four large moons of Jupiter discovered by Galileo in 1610, and "
        "the most volcanically active body known. Hundreds of volcanoes erupt across its surface, "
        "some of them throwing plumes of gas and dust hundreds of kilometres into space, and the "
        "whole moon is painted yellow, orange, red, white and black by sulphur and its compounds. "
        "It is named after Io, one of the lovers of Zeus (Jupiter) in Greek myth.",
    ],
    sections=[
        ("Why Io is so active", [
            "Io's heat does not come from the Sun, nor mainly from radioactivity as on the Earth, but "
            "from tides. Io, <a href=\"EuropaFrame.htm\">Europa</a> and <a "
            "href=\"GanymedeFrame.htm\">Ganymede</a> are locked in a rhythm: for every four orbits of "
            "Io, Europa makes two and Ganymede one. The regular tugs of the other two keep Io's orbit "
            "slightly oval, so its distance from Jupiter keeps changing, and Jupiter's enormous "
            "gravity squeezes and relaxes the moon every orbit. The solid surface rises and falls by "
            "up to about 100 metres, and the friction melts rock inside. Io's volcanism was predicted "
            "from this reasoning in a paper published just days before Voyager 1 arrived in 1979.",
        ]),
        ("Structure", [
            "Unlike the other large moons of Jupiter, Io has practically no water. It is a rocky body "
            "with an iron or iron sulphide core, and it is the densest of the four Galilean moons. "
            "Beneath the crust there may be a layer of partly molten rock.",
        ]),
        ("Surface", [
            "No impact craters have been found on Io: lava and fallout from the plumes bury them "
            "faster than they form. The surface is dotted with volcanic pits called paterae, lava "
            "flows hundreds of kilometres long and lakes of lava, the largest, Loki Patera, about 200 "
            "km across. Some eruptions produce lava hotter than any on the Earth today. Between the "
            "volcanoes rise more than a hundred mountains, some higher than Mount Everest, pushed up by "
            "the stresses in the crust. Frost of sulphur dioxide makes the white areas.",
            "Io loses about a tonne of material every second to space. Jupiter's magnetic field sweeps "
            "it up into a doughnut-shaped cloud of charged particles, the Io plasma torus, along Io's "
            "orbit, and an electric current of millions of amperes flows between Io and Jupiter, "
            "leaving a bright footprint in Jupiter's aurora.",
        ]),
        ("Exploration", [
            "The first active volcano beyond the Earth was found on 8 March 1979 by Linda Morabito, "
            "a navigation engineer, who noticed a plume rising from Io's edge in a Voyager 1 picture. "
            "The Galileo spacecraft watched the volcanoes change between 1995 and 2003 and made "
            "several daring close passes through Jupiter's intense radiation. New Horizons saw a huge "
            "plume from the volcano Tvashtar as it flew past in 2007, and Juno passed within about "
            "1,500 km of Io in December 2023 and February 2024. Io's eruptions are also followed from "
            "the Earth with large telescopes.",
        ]),
    ],
)

FULL_ARTICLES["Europa"] = dict(
    subtitle="Galilean moon of Jupiter, an ice-covered ocean world",
    facts=[
        ("Diameter", "3,122 km (a little smaller than the Moon)"),
        ("Mass", sci("4.80", 22) + " (0.65 times the Moon's)"),
        ("Mean density", "3.01 g/cm<sup>3</sup>"),
        ("Surface gravity", "1.31 m/s<sup>2</sup>"),
        ("Mean distance from Jupiter", "671,100 km"),
        ("Orbital period", "3.55 days"),
        ("Rotation period", "synchronous: the same face always points to Jupiter"),
        ("Surface temperature", "about &minus;160 &deg;C at the equator, &minus;220 &deg;C near the poles"),
        ("Atmosphere", "extremely thin, mostly oxygen"),
        ("Discovered", "by Galileo Galilei, January 1610"),
    ],
    intro=[
        "Europa is the smallest of Jupiter's four Galilean moons, a little smaller than our Moon, "
        "and one of the most promising places in the Solar System to look for life beyond the "
        "Earth. Under its bright, cracked shell of ice lies, it is thought, a global ocean of salty "
        "liquid water holding about twice as much water as all the Earth's oceans. It is named "
        "after Europa, a Phoenician princess carried off by Zeus (Jupiter) in Greek myth.",
    ],
    sections=[
        ("Structure", [
            "Europa has an iron core and a rocky mantle like the inner planets, covered by a layer of "
            "water about 100 km deep. The top of this layer is a shell of ice, perhaps 15 to 25 km "
            "thick; below it, kept liquid by heat from Jupiter's tides, is the ocean. The ocean "
            "probably touches the rocky sea floor, where chemical reactions, perhaps even hot springs, "
            "could provide the energy and ingredients that life needs.",
            "The strongest evidence for the ocean came from the Galileo spacecraft's magnetometer, "
            "which found that Europa disturbs Jupiter's magnetic field in the way a layer of salty, "
            "electrically conducting water would.",
        ]),
        ("Surface", [
            "Europa's surface is one of the smoothest in the Solar System, with few hills higher than "
            "a few hundred metres and very few impact craters, so it must be young, perhaps 40 to 90 "
            "million years old. It is criss-crossed by long, reddish-brown cracks and double ridges, "
            "some thousands of kilometres long, made as the tides flex the ice shell. In places called "
            "chaos terrain the crust has broken into rafts of ice that have shifted and refrozen, like "
            "pack ice on a polar sea. The reddish material may be salts brought up from the ocean and "
            "altered by radiation; ordinary table salt has been detected.",
            "The Hubble Space Telescope has seen possible plumes of water vapour above Europa's "
            "surface, though they have not been confirmed. The surface is bathed in intense radiation "
            "from Jupiter's magnetic field, which would quickly be fatal to an unprotected person.",
        ]),
        ("Exploration", [
            "The Voyager probes took the first close pictures of Europa's cracked surface in 1979. "
            "The Galileo spacecraft made a dozen close passes between 1996 and 2000 and found the "
            "signs of the ocean. Juno flew past at 352 km in 2022. NASA's Europa Clipper, launched in "
            "October 2024, is due to reach Jupiter in 2030 and will pass close to Europa dozens of "
            "times, measuring the thickness of the ice and the make-up of the ocean. Europe's Juice "
            "will also make two passes of Europa.",
        ]),
    ],
)

FULL_ARTICLES["Ganymede"] = dict(
    subtitle="Galilean moon of Jupiter, the largest moon in the Solar System",
    facts=[
        ("Diameter", "5,268 km (larger than the planet Mercury)"),
        ("Mass", sci("1.48", 23) + " (twice the Moon's)"),
        ("Mean density", "1.94 g/cm<sup>3</sup>"),
        ("Surface gravity", "1.43 m/s<sup>2</sup>"),
        ("Mean distance from Jupiter", "1,070,400 km"),
        ("Orbital period", "7.15 days"),
        ("Rotation period", "synchronous: the same face always points to Jupiter"),
        ("Surface temperature", "about &minus;200 &deg;C to &minus;120 &deg;C"),
        ("Atmosphere", "extremely thin, with oxygen"),
        ("Magnetic field", "yes, its own: the only moon known to have one"),
        ("Discovered", "by Galileo Galilei, January 1610"),
    ],
    intro=[
        "Ganymede is the largest moon in the Solar System, bigger than the planet Mercury though "
        "only half as massive, and the largest of Jupiter's four Galilean moons. It is a world of "
        "ice and rock with a surface of dark, ancient plains and bright, grooved younger terrain. "
        "It is the only moon known to generate its own magnetic field. It is named after "
        "Ganymede, the Trojan youth who became cupbearer to the gods in Greek myth.",
    ],
    sections=[
        ("Structure", [
            "Ganymede is made of roughly equal amounts of rock and water ice, separated into layers: "
            "an iron core, a rocky mantle, and a thick outer shell of ice some 800 km deep. Within "
            "the ice, about 150 km down, a salty ocean is thought to lie sandwiched between layers of "
            "ice, possibly holding more water than all the Earth's oceans.",
            "Part of the iron core is molten, and its motion generates a magnetic field. The field "
            "carves out a small bubble of its own inside Jupiter's much larger magnetic field and "
            "produces aurorae around the moon's poles. In 2015 astronomers watched how these aurorae "
            "rock back and forth with Jupiter's magnetic field, and found that the motion is damped "
            "just as a buried salty ocean would damp it.",
        ]),
        ("Surface", [
            "About a third of Ganymede is covered by dark, heavily cratered regions, the oldest parts "
            "of the surface; the largest, Galileo Regio, is about 3,200 km across. The rest is "
            "lighter terrain crossed by sets of parallel grooves and ridges, formed when the icy "
            "crust was stretched and broken. Some of Ganymede's big old craters have been flattened "
            "by the slow flow of the ice into pale circular patches called palimpsests. Young craters "
            "such as Tros are surrounded by bright rays of fresh ice, and the poles are capped with "
            "frost.",
        ]),
        ("Exploration", [
            "Pioneer 10 took the first crude pictures in 1973. The Voyager probes mapped much of the "
            "surface in 1979, and the Galileo spacecraft flew close by six times between 1996 and "
            "2000, discovering the magnetic field. Juno flew past at about 1,000 km in June 2021. "
            "Europe's Juice spacecraft, launched in 2023, is due to go into orbit around Ganymede in "
            "2034; it will be the first spacecraft to orbit a moon other than our own.",
        ]),
    ],
)

FULL_ARTICLES["Callisto"] = dict(
    subtitle="Galilean moon of Jupiter, with an ancient, cratered surface",
    facts=[
        ("Diameter", "4,821 km (nearly as large as Mercury)"),
        ("Mass", sci("1.08", 23) + " (1.5 times the Moon's)"),
        ("Mean density", "1.83 g/cm<sup>3</sup>"),
        ("Surface gravity", "1.24 m/s<sup>2</sup>"),
        ("Mean distance from Jupiter", "1,882,700 km"),
        ("Orbital period", "16.69 days"),
        ("Rotation period", "synchronous: the same face always points to Jupiter"),
        ("Surface temperature", "about &minus;140 &deg;C on average (from about &minus;190 &deg;C to &minus;110 &deg;C)"),
        ("Atmosphere", "extremely thin: carbon dioxide and oxygen"),
        ("Discovered", "by Galileo Galilei, January 1610"),
    ],
    intro=[
        "Callisto is the outermost of Jupiter's four Galilean moons and the third largest moon in "
        "the Solar System, after Ganymede and Titan. Its dark surface is packed with craters, the "
        "record of some four billion years of impacts, little changed by any activity from inside. "
        "It is named after Callisto, a nymph loved by Zeus (Jupiter) in Greek myth.",
    ],
    sections=[
        ("Structure", [
            "Callisto is a mixture of rock and ice in roughly equal amounts. Measurements of its "
            "gravity suggest that, unlike Ganymede, it has separated into layers only partly: the "
            "rock and ice are still mixed through much of its interior. Because it is outside the "
            "orbital rhythm that heats Io, Europa and Ganymede, Callisto has received little heat "
            "from tides. Even so, the Galileo spacecraft found that Callisto disturbs Jupiter's "
            "magnetic field in a way that suggests a salty ocean about 100 km or more beneath its "
            "surface.",
        ]),
        ("Surface", [
            "Callisto's surface is one of the most heavily cratered in the Solar System: there is "
            "hardly room for a new crater that does not overlap an old one. There are no large "
            "mountains or volcanoes. Its largest feature is Valhalla, a bright central patch about "
            "600 km across surrounded by concentric rings of ridges and troughs reaching out to about "
            "3,800 km, the scar of a huge ancient impact; a second such basin, Asgard, is about 1,600 "
            "km across. Chains of craters in straight lines were made by comets torn apart by "
            "Jupiter's gravity, like comet Shoemaker&ndash;Levy 9 in 1994.",
            "Close up, the surface looks strangely smooth, with fewer small craters than expected and "
            "bright icy knobs poking out of a dark blanket of dust, as if the ice is slowly "
            "evaporating and leaving the dark material behind.",
        ]),
        ("Exploration", [
            "The Voyager probes photographed Callisto in 1979, and the Galileo spacecraft passed it "
            "eight times between 1996 and 2001. Callisto lies outside Jupiter's main radiation belts, "
            "so the radiation there is far weaker than at the inner moons; for this reason it has been "
            "suggested as a site for a future human base in the Jupiter system. Europe's Juice "
            "spacecraft will make many close passes of Callisto in the 2030s.",
        ]),
    ],
)


# ---------------------------------------------------------------------------
# Short pages: the other moons, Saturn's rings and the Earth's atmosphere.
# ---------------------------------------------------------------------------

def moon_facts(parent, size, distance, period, rotation=None, discovered=None,
               mass=None, extra=()):
    """The facts table of a moon page, in a fixed order."""
    facts = [("Size", size)]
    if mass:
        facts.append(("Mass", mass))
    facts.append(("Mean distance from %s" % parent, distance))
    facts.append(("Orbital period", period))
    if rotation:
        facts.append(("Rotation", rotation))
    facts.extend(extra)
    if discovered:
        facts.append(("Discovered", discovered))
    return facts


SYNC = "synchronous (keeps one face towards %s)"

SHORT_PAGES = {}


def short(name, subtitle, facts, paras):
    SHORT_PAGES[name] = dict(subtitle=subtitle, facts=facts, paras=paras)


# --- Mars -------------------------------------------------------------------

short("Phobos", "Inner moon of Mars", moon_facts(
    "Mars", "about 27 &times; 22 &times; 18 km", "9,376 km from the centre (about 6,000 km above the surface)",
    "7 h 39 min", SYNC % "Mars", "by Asaph Hall, 18 August 1877", sci("1.07", 16)), [
    "Phobos is the larger of the two small moons of Mars, a dark, lumpy body that looks more "
    "like an asteroid than a moon. It orbits closer to its planet than any other known moon, "
    "only about 6,000 km above the Martian surface, and goes round three times a day. Because "
    "it moves faster than Mars turns, an observer on Mars would see it rise in the west and set "
    "in the east. Its largest crater, Stickney, is about 9 km wide, nearly half the width of "
    "the moon, and long grooves run across its surface.",
    "Tides from Mars are slowly pulling Phobos inwards, by about 2 metres a century. In some "
    "tens of millions of years it will either crash into Mars or be torn apart to form a ring. "
    "Its name means \"fear\" in Greek; Phobos was a son of Ares, the Greek god of war. Japan's "
    "Martian Moons eXploration (MMX) mission is planned to land on Phobos and bring samples back "
    "to the Earth.",
])

short("Deimos", "Outer moon of Mars", moon_facts(
    "Mars", "about 15 &times; 12 &times; 10 km", "23,460 km from the centre", "30 h 18 min",
    SYNC % "Mars", "by Asaph Hall, 12 August 1877", sci("1.5", 15)), [
    "Deimos is the smaller and outer of the two moons of Mars. Its surface is smoother than that "
    "of Phobos because a thick layer of fine dust fills its craters. Seen from Mars it would look "
    "like a bright star; because its orbit takes only a little longer than a Martian day, it "
    "drifts slowly across the sky and stays above the horizon for about two and a half days.",
    "Asaph Hall found Deimos six days before Phobos. Its name means \"dread\" or \"terror\"; "
    "Deimos was the twin brother of Phobos. Its two named craters, Swift and Voltaire, honour "
    "writers who imagined that Mars had two moons long before they were discovered.",
])

# --- Jupiter ----------------------------------------------------------------

short("Metis", "Inner moon of Jupiter", moon_facts(
    "Jupiter", "about 60 &times; 40 &times; 34 km", "128,000 km from the centre", "7 h 4 min",
    SYNC % "Jupiter", "by Stephen Synnott in Voyager 1 pictures, 1979"), [
    "Metis is the innermost of Jupiter's known moons. It orbits within Jupiter's thin main ring, "
    "closer to the planet than the distance at which an orbit keeps pace with Jupiter's "
    "rotation, so it goes round faster than the planet turns and tides are slowly drawing it "
    "inwards. Dust blasted off Metis and its neighbour <a href=\"Adrastea.htm\">Adrastea</a> by "
    "tiny meteorites is the main source of the ring. Metis is named after the first wife of Zeus "
    "in Greek myth.",
])

short("Adrastea", "Inner moon of Jupiter", moon_facts(
    "Jupiter", "about 20 &times; 16 &times; 14 km", "129,000 km from the centre", "7 h 9 min",
    SYNC % "Jupiter", "by David Jewitt and Edward Danielson in Voyager 2 pictures, 1979"), [
    "Adrastea is the smallest of Jupiter's four inner moons and orbits at the outer edge of the "
    "main ring, which it helps to feed with dust. Like <a href=\"Metis.htm\">Metis</a>, it "
    "circles Jupiter faster than the planet rotates. It is named after a nymph who, in Greek "
    "myth, cared for the infant Zeus.",
])

short("Amalthea", "Inner moon of Jupiter", moon_facts(
    "Jupiter", "about 250 &times; 146 &times; 128 km", "181,400 km from the centre", "11 h 57 min",
    SYNC % "Jupiter, with its long axis pointing at the planet",
    "by Edward Emerson Barnard, 9 September 1892", sci("2.1", 18)), [
    "Amalthea is the largest of Jupiter's small inner moons and one of the reddest objects in the "
    "Solar System, perhaps coloured by sulphur from <a href=\"IoFrame.htm\">Io</a>. When the "
    "Galileo spacecraft flew 160 km from it in 2002, its pull on the craft showed that Amalthea "
    "is less dense than water ice: it must be a porous pile of icy rubble, perhaps formed farther "
    "from Jupiter.",
    "Barnard discovered it with the great refractor of Lick Observatory. It was the first moon of "
    "Jupiter found since Galileo's four in 1610, and the last moon of any planet discovered by "
    "eye at the telescope rather than on photographs or electronic images. Dust from Amalthea "
    "forms the inner of Jupiter's two faint gossamer rings. In Greek myth Amalthea nursed the "
    "infant Zeus with goat's milk.",
])

short("Thebe", "Inner moon of Jupiter", moon_facts(
    "Jupiter", "about 116 &times; 98 &times; 84 km", "221,900 km from the centre", "16 h 11 min",
    SYNC % "Jupiter", "by Stephen Synnott in Voyager 1 pictures, 1979"), [
    "Thebe is the outermost of Jupiter's four small inner moons. It is a dark, irregular body "
    "with at least three or four large craters, the biggest of which, Zethus, is about 40 km "
    "across, a large fraction of the moon's size. Dust knocked off Thebe by meteorite impacts "
    "forms the outer and fainter of Jupiter's gossamer rings, which reaches out to Thebe's "
    "orbit. Thebe is named after a nymph loved by Zeus.",
])

short("Leda", "Outer moon of Jupiter, Himalia group", moon_facts(
    "Jupiter", "about 21 km across", "11.2 million km", "241 days",
    None, "by Charles Kowal at Palomar Observatory, 14 September 1974",
    extra=[("Orbit", "prograde, tilted about 27&deg; to Jupiter's equator")]), [
    "Leda is one of the smaller members of the Himalia group, a family of small moons that orbit "
    "Jupiter at about 11 to 12 million km on similar, tilted paths. Members of the group are "
    "probably fragments of a single asteroid captured by Jupiter long ago and broken up by a "
    "collision. Leda is very faint and was found on photographs taken with the Schmidt telescope "
    "at Palomar. In Greek myth Leda was the mother of Helen of Troy.",
])

short("Himalia", "Outer moon of Jupiter, largest of the Himalia group", moon_facts(
    "Jupiter", "about 140 km across", "11.5 million km", "251 days", "about 7.8 hours",
    "by Charles Perrine at Lick Observatory, 3 December 1904",
    extra=[("Orbit", "prograde, tilted about 28&deg; to Jupiter's equator")]), [
    "Himalia is the largest of Jupiter's irregular moons, the many small moons that orbit far "
    "from the planet on tilted and elongated paths. It gives its name to the Himalia group, "
    "which includes <a href=\"Leda.htm\">Leda</a>, <a href=\"Lysithea.htm\">Lysithea</a> and "
    "<a href=\"Elara.htm\">Elara</a>; they are thought to be the remains of an asteroid "
    "captured by Jupiter and shattered. The Cassini spacecraft photographed Himalia from afar on "
    "its way to Saturn in 2000, and New Horizons in 2007, but it is still little more than a few "
    "pixels across in the best pictures. Himalia is named after a nymph of Rhodes who bore three "
    "sons to Zeus.",
])

short("Lysithea", "Outer moon of Jupiter, Himalia group", moon_facts(
    "Jupiter", "about 42 km across", "11.7 million km", "259 days", None,
    "by Seth Nicholson at Mount Wilson Observatory, 6 July 1938",
    extra=[("Orbit", "prograde, tilted about 28&deg; to Jupiter's equator")]), [
    "Lysithea is a small member of the Himalia group of irregular moons, found on photographs "
    "taken with the 2.5-metre Hooker telescope. It is dark and grey, like the other members of "
    "the group, which suggests a common origin in one captured asteroid. Lysithea is named after "
    "a daughter of Evenus who, in Greek myth, was one of the lovers of Zeus.",
])

short("Elara", "Outer moon of Jupiter, Himalia group", moon_facts(
    "Jupiter", "about 86 km across", "11.7 million km", "260 days", None,
    "by Charles Perrine at Lick Observatory, 1905",
    extra=[("Orbit", "prograde, tilted about 27&deg; to Jupiter's equator")]), [
    "Elara is the second largest member of the Himalia group, after <a "
    "href=\"Himalia.htm\">Himalia</a> itself, which Perrine had discovered shortly before. "
    "Like the rest of the group it circles Jupiter in the same direction as the planet turns, on "
    "an orbit tilted by more than 25&deg;. In Greek myth Elara was the mother, by Zeus, of the "
    "giant Tityos.",
])

short("Ananke", "Outer retrograde moon of Jupiter", moon_facts(
    "Jupiter", "about 29 km across", "21.3 million km", "630 days", None,
    "by Seth Nicholson at Mount Wilson Observatory, 28 September 1951",
    extra=[("Orbit", "retrograde (backwards), tilted about 149&deg; to Jupiter's equator")]), [
    "Ananke orbits Jupiter backwards, against the direction of the planet's spin, about twice as "
    "far out as the Himalia group. It gives its name to the Ananke group of small retrograde "
    "moons with similar orbits, which are probably pieces of one body captured by Jupiter's "
    "gravity. In Greek myth Ananke was the personification of necessity and the mother of <a "
    "href=\"Adrastea.htm\">Adrastea</a>.",
])

short("Carme", "Outer retrograde moon of Jupiter", moon_facts(
    "Jupiter", "about 46 km across", "23.4 million km", "734 days", None,
    "by Seth Nicholson at Mount Wilson Observatory, 30 July 1938",
    extra=[("Orbit", "retrograde (backwards), tilted about 165&deg; to Jupiter's equator")]), [
    "Carme is the largest member of the Carme group, a family of small moons that orbit Jupiter "
    "backwards at about 23 million km. The group's members have very similar orbits and colours, "
    "which suggests that they are fragments of a single captured body. Carme is slightly reddish. "
    "In Greek myth Carme was the mother, by Zeus, of Britomartis, a goddess of Crete.",
])

short("Pasiphae", "Outer retrograde moon of Jupiter", moon_facts(
    "Jupiter", "about 58 km across", "23.6 million km", "744 days", None,
    "by Philibert Melotte at the Royal Observatory, Greenwich, 1908",
    extra=[("Orbit", "retrograde (backwards), tilted about 151&deg; to Jupiter's equator")]), [
    "Pasiphae is the largest of the Pasiphae group, a loose family of small moons that orbit "
    "Jupiter backwards far from the planet. It was the first moon of Jupiter found to go round "
    "backwards. Like the other outer moons it is probably a "
    "captured asteroid or a fragment of one. In Greek myth Pasiphae was the wife of King Minos "
    "of Crete.",
])

short("Sinope", "Outer retrograde moon of Jupiter", moon_facts(
    "Jupiter", "about 35 km across", "23.9 million km", "759 days", None,
    "by Seth Nicholson at Lick Observatory, 21 July 1914",
    extra=[("Orbit", "retrograde (backwards), tilted about 158&deg; to Jupiter's equator")]), [
    "Sinope is a small, reddish moon that orbits Jupiter backwards and is usually counted in the "
    "Pasiphae group. It was the first of four moons of Jupiter discovered by Seth Nicholson; he "
    "found it while photographing <a href=\"Pasiphae.htm\">Pasiphae</a>. In Greek myth Sinope "
    "was a nymph who tricked Zeus into granting her wish to remain unmarried.",
])

# --- Saturn -----------------------------------------------------------------

short("Pan", "Inner moon of Saturn, in the Encke Gap", moon_facts(
    "Saturn", "about 34 &times; 31 &times; 21 km", "133,600 km from the centre", "13 h 48 min",
    SYNC % "Saturn", "by Mark Showalter in Voyager 2 pictures, 1990"), [
    "Pan is a tiny moon that orbits inside the Encke Gap, a gap about 325 km wide in Saturn's A "
    "ring. Its gravity sweeps the gap clear and makes wavy patterns, called wakes, on the gap's "
    "edges. Mark Showalter predicted where the moon should be from the shape of those wakes and "
    "then found it in pictures Voyager 2 had taken nine years earlier. The Cassini spacecraft "
    "showed that Pan has a sharp ridge around its equator, built up from ring material, which "
    "gives it the shape of a walnut or a ravioli. It is named after the Greek god of shepherds.",
], )

short("Atlas", "Inner moon of Saturn, just outside the A ring", moon_facts(
    "Saturn", "about 41 &times; 35 &times; 19 km", "137,700 km from the centre", "14 h 27 min",
    SYNC % "Saturn", "by Richard Terrile in Voyager 1 pictures, 1980"), [
    "Atlas orbits just beyond the sharp outer edge of Saturn's A ring. Cassini pictures show a "
    "lumpy core surrounded by a smooth equatorial ridge of ring dust that makes it look like a "
    "flying saucer. Atlas is named after the Titan who, in Greek myth, holds up the sky.",
])

short("Prometheus", "Inner moon of Saturn, inner shepherd of the F ring", moon_facts(
    "Saturn", "about 136 &times; 79 &times; 59 km", "139,400 km from the centre", "14 h 43 min",
    SYNC % "Saturn", "by Stewart Collins and others in Voyager 1 pictures, 1980", sci("1.6", 17)), [
    "Prometheus and its partner <a href=\"Pandora.htm\">Pandora</a> orbit on either side of "
    "Saturn's narrow, knotted F ring and were long thought to keep it confined, as shepherds keep "
    "a flock. Each time Prometheus comes close to the ring, about every 15 hours, its gravity "
    "draws out streamers of ice and leaves dark channels, a process filmed by the Cassini "
    "spacecraft. Prometheus is very porous, less dense than water ice. It is named after the "
    "Titan who stole fire from the gods for humankind.",
])

short("Pandora", "Inner moon of Saturn, outer shepherd of the F ring", moon_facts(
    "Saturn", "about 104 &times; 81 &times; 64 km", "141,700 km from the centre", "15 h 6 min",
    SYNC % "Saturn", "by Stewart Collins and others in Voyager 1 pictures, 1980", sci("1.4", 17)), [
    "Pandora orbits just outside Saturn's F ring, with <a href=\"Prometheus.htm\">Prometheus</a> "
    "just inside it. It is covered in craters softened by a blanket of fine dust, and it has no "
    "visible ridges or grooves. Pandora's orbit is slightly chaotic because of the pull of "
    "Prometheus. In Greek myth Pandora was the first woman, who opened the jar that released "
    "evils into the world.",
])

short("Epimetheus", "Co-orbital moon of Saturn, partner of Janus", moon_facts(
    "Saturn", "about 130 &times; 114 &times; 106 km", "151,400 km from the centre", "16 h 40 min",
    SYNC % "Saturn", "by Richard Walker, December 1966; shown to be separate from Janus by John "
    "Fountain and Stephen Larson, 1978", sci("5.3", 17)), [
    "Epimetheus and <a href=\"Janus.htm\">Janus</a> are a unique pair: they share almost the same "
    "orbit, one only about 50 km farther from Saturn than the other. The inner one moves a "
    "little faster and slowly catches up with the outer. Every four years, as it draws close, "
    "their gravity makes them trade places: the inner moon is pushed out and the outer one pulled "
    "in, and they drift apart again, so the two never actually meet. Because they were seen near each other in 1966, the two were at first "
    "taken for a single moon.",
    "Epimetheus is named after the brother of Prometheus; the name means \"afterthought\".",
])

short("Janus", "Co-orbital moon of Saturn, partner of Epimetheus", moon_facts(
    "Saturn", "about 203 &times; 185 &times; 153 km", "151,500 km from the centre", "16 h 41 min",
    SYNC % "Saturn", "by Audouin Dollfus, 15 December 1966", sci("1.9", 18)), [
    "Janus is the larger partner of <a href=\"Epimetheus.htm\">Epimetheus</a>; the two moons "
    "swap orbits every four years. Because Janus is about four times as massive, it moves only "
    "about 20 km in each exchange while Epimetheus moves about 80 km. Janus was discovered in "
    "December 1966, when Saturn's rings were seen edge-on from the Earth and their glare was at "
    "its weakest. It is a porous, heavily cratered body, and it is named after the two-faced "
    "Roman god of doorways and of beginnings and endings, a fitting name for a moon that "
    "regularly changes places with its partner.",
])

short("Mimas", "Moon of Saturn", moon_facts(
    "Saturn", "396 km across (415 &times; 394 &times; 381 km)", "185,500 km", "22 h 37 min",
    SYNC % "Saturn", "by William Herschel, 17 September 1789", sci("3.75", 19)), [
    "Mimas is the smallest and innermost of Saturn's major round moons, just large enough for its "
    "gravity to have pulled it into a roughly round shape. Its most striking feature is the "
    "crater Herschel, about 139 km across, a third of the moon's diameter, with walls about 5 km "
    "high and a central peak; the impact that made it must nearly have shattered Mimas. The "
    "crater gives the moon a famous resemblance to a space station from a science-fiction film.",
    "Mimas's gravity helps to shape Saturn's rings: ring particles at the outer edge of the B "
    "ring go round exactly twice for each orbit of Mimas, and the repeated tugs keep the Cassini "
    "Division largely clear. Small wobbles in Mimas's rotation measured by Cassini suggest that "
    "a young ocean may lie beneath its icy crust. Mimas is named after one of the Giants of Greek "
    "myth.",
])

short("Enceladus", "Moon of Saturn, with geysers of water", moon_facts(
    "Saturn", "504 km across", "238,000 km", "1.37 days (32 h 53 min)", SYNC % "Saturn",
    "by William Herschel, 28 August 1789", sci("1.08", 20),
    extra=[("Surface temperature", "about &minus;200 &deg;C")]), [
    "Enceladus is a small moon covered in clean, fresh ice that reflects almost all the sunlight "
    "falling on it, making it one of the brightest objects in the Solar System. In 2005 the "
    "Cassini spacecraft discovered that it is active: from four long, warm fractures near the "
    "south pole, nicknamed the tiger stripes, more than a hundred geysers spray water vapour and "
    "grains of ice into space. Much of this material falls back as snow; the rest forms Saturn's "
    "wide, faint E ring.",
    "The jets come from a global ocean of salty liquid water beneath the ice, warmed by tides "
    "from Saturn. Flying through the plumes, Cassini found salts, silica grains that point to hot "
    "water reacting with rock on the sea floor, and organic molecules. This makes Enceladus one "
    "of the best places in the Solar System to look for life. It is named after one of the "
    "Giants of Greek myth.",
])

short("Tethys", "Moon of Saturn", moon_facts(
    "Saturn", "1,062 km across", "294,700 km", "1.89 days (45 h 18 min)", SYNC % "Saturn",
    "by Giovanni Cassini, March 1684", sci("6.17", 20)), [
    "Tethys is a mid-sized moon made almost entirely of water ice; its density is barely more "
    "than that of water. Its surface is heavily cratered. The crater Odysseus, about 450 km "
    "across, covers two-fifths of the moon's diameter, and a huge canyon, Ithaca Chasma, about "
    "100 km wide and up to 3 km deep, runs some 2,000 km around it.",
    "Two small moons, <a href=\"Telesto.htm\">Telesto</a> and <a "
    "href=\"Calypso.htm\">Calypso</a>, share the orbit of Tethys, one 60&deg; ahead of it and one "
    "60&deg; behind, at the points where the pulls of Saturn and Tethys balance. Tethys is named "
    "after a Titaness of the sea in Greek myth.",
])

short("Telesto", "Moon of Saturn, leading companion of Tethys", moon_facts(
    "Saturn", "about 33 &times; 24 &times; 20 km", "294,700 km", "1.89 days", SYNC % "Saturn",
    "by Bradford Smith, Harold Reitsema, Stephen Larson and John Fountain, 8 April 1980",
    extra=[("Position", "60&deg; ahead of <a href=\"Tethys.htm\">Tethys</a> in its orbit")]), [
    "Telesto is a small moon that travels around Saturn in the same orbit as <a "
    "href=\"Tethys.htm\">Tethys</a>, always staying about 60&deg; ahead of it, at one of the "
    "stable points where the pulls of Saturn and Tethys balance. Such companions are called "
    "Trojan moons, after the Trojan asteroids that share Jupiter's orbit. Cassini pictures show "
    "a surprisingly smooth surface, its craters blanketed with fine icy dust. Telesto was found "
    "with a telescope on the ground during the 1980 crossing of Saturn's ring plane. It is "
    "named after one of the Oceanids, daughters of Tethys.",
])

short("Calypso", "Moon of Saturn, trailing companion of Tethys", moon_facts(
    "Saturn", "about 30 &times; 23 &times; 14 km", "294,700 km", "1.89 days", SYNC % "Saturn",
    "by Dan Pascu, Kenneth Seidelmann, William Baum and Douglas Currie, 13 March 1980",
    extra=[("Position", "60&deg; behind <a href=\"Tethys.htm\">Tethys</a> in its orbit")]), [
    "Calypso shares the orbit of <a href=\"Tethys.htm\">Tethys</a>, staying about 60&deg; behind "
    "it, while <a href=\"Telesto.htm\">Telesto</a> stays 60&deg; ahead. It is coated with bright "
    "ice grains from Saturn's E ring, which make it one of the most reflective bodies in the "
    "Solar System. In Greek myth Calypso was the nymph who kept Odysseus on her island for seven "
    "years.",
])

short("Dione", "Moon of Saturn", moon_facts(
    "Saturn", "1,123 km across", "377,400 km", "2.74 days", SYNC % "Saturn",
    "by Giovanni Cassini, March 1684", sci("1.10", 21)), [
    "Dione is Saturn's fourth largest moon, a ball of ice around a rocky core, denser than its "
    "neighbour <a href=\"Tethys.htm\">Tethys</a>. Its leading side is heavily cratered. Voyager "
    "pictures showed bright, wispy streaks across the trailing side, which the Cassini spacecraft "
    "revealed to be networks of ice cliffs and canyons hundreds of metres high, formed when the "
    "crust was pulled apart. Measurements of its gravity suggest a deep ocean beneath the crust.",
    "Two small Trojan moons share Dione's orbit: <a href=\"Helene.htm\">Helene</a>, 60&deg; "
    "ahead, and Polydeuces, 60&deg; behind. Dione is named after a Titaness of Greek myth.",
])

short("Helene", "Moon of Saturn, leading companion of Dione", moon_facts(
    "Saturn", "about 43 &times; 38 &times; 26 km", "377,400 km", "2.74 days", SYNC % "Saturn",
    "by Pierre Laques and Jean Lecacheux, 1 March 1980",
    extra=[("Position", "60&deg; ahead of <a href=\"Dione.htm\">Dione</a> in its orbit")]), [
    "Helene travels in the same orbit as <a href=\"Dione.htm\">Dione</a>, keeping about 60&deg; "
    "ahead of it at a balance point of the two bodies' gravity. It was discovered with a "
    "telescope at the Pic du Midi Observatory in the French Pyrenees during the 1980 crossing of "
    "Saturn's ring plane. Close-up pictures from Cassini show craters on one side and smooth "
    "slopes of fine material, streaked with gullies, on the other. It is named after Helen of "
    "Troy.",
])

short("Rhea", "Moon of Saturn, its second largest", moon_facts(
    "Saturn", "1,528 km across", "527,100 km", "4.52 days", SYNC % "Saturn",
    "by Giovanni Cassini, 23 December 1672", sci("2.31", 21)), [
    "Rhea is Saturn's second largest moon and the ninth largest moon in the Solar System. It is "
    "made of about three parts water ice to one part rock, and its old surface is saturated "
    "with craters. Like <a href=\"Dione.htm\">Dione</a>, its trailing side is crossed by bright "
    "ice cliffs. In 2010 the Cassini spacecraft found that Rhea has an extremely thin atmosphere "
    "of oxygen and carbon dioxide, made as Saturn's radiation breaks up the ice on its surface.",
    "Rhea is named after the Titaness who was mother of Zeus in Greek myth. The names of Saturn's "
    "seven large moons known at the time were suggested in 1847 by John Herschel.",
])

short("Titan", "Moon of Saturn, its largest", moon_facts(
    "Saturn", "5,150 km across (larger than Mercury)", "1,221,900 km", "15.95 days",
    SYNC % "Saturn", "by Christiaan Huygens, 25 March 1655", sci("1.35", 23),
    extra=[("Surface temperature", "about &minus;179 &deg;C"),
           ("Surface pressure", "about 1.5 times the Earth's"),
           ("Atmosphere", "about 95 per cent nitrogen, 5 per cent methane")]), [
    "Titan is Saturn's largest moon and the second largest in the Solar System, after <a "
    "href=\"GanymedeFrame.htm\">Ganymede</a>. It is the only moon with a dense atmosphere: thicker "
    "than the Earth's, made mostly of nitrogen, and filled with an orange haze of organic "
    "compounds that hides the surface from ordinary cameras. At about &minus;179 &deg;C, methane "
    "plays the part that water plays on the Earth: it forms clouds, falls as rain, carves river "
    "channels and fills lakes and seas near the poles, the largest of which, Kraken Mare, is "
    "bigger than the Caspian Sea. Vast fields of dunes made of organic grains girdle the "
    "equator. Beneath the crust of water ice lies, it is thought, an ocean of liquid water.",
    "The Cassini spacecraft mapped Titan by radar during more than a hundred close passes, and "
    "its Huygens probe landed on 14 January 2005, the most distant landing ever made, returning "
    "pictures of rounded pebbles of ice on a damp plain. NASA's Dragonfly, a flying drone, is "
    "planned to explore Titan in the 2030s.",
])

short("Hyperion", "Moon of Saturn, tumbling and sponge-like", moon_facts(
    "Saturn", "about 360 &times; 266 &times; 205 km", "1.48 million km", "21.3 days",
    "chaotic: it tumbles unpredictably",
    "by William and George Bond, and independently by William Lassell, September 1848",
    sci("5.6", 18)), [
    "Hyperion is one of the largest bodies in the Solar System that is not round. It is so "
    "porous, perhaps 40 per cent empty space, that its density is only about half that of water. "
    "Its surface is covered in deep, sharp-edged craters with dark material on their floors, "
    "which give it the look of a giant sponge. Unlike most moons, Hyperion does not keep one face "
    "to its planet: tugged by its large neighbour <a href=\"Titan.htm\">Titan</a>, which "
    "makes four orbits for every three of Hyperion's, it tumbles chaotically, so that its spin cannot be "
    "predicted far ahead. It is named after the Titan of light and watchfulness in Greek myth.",
])

short("Iapetus", "Moon of Saturn, dark on one side and bright on the other", moon_facts(
    "Saturn", "1,469 km across", "3.56 million km", "79.3 days", SYNC % "Saturn",
    "by Giovanni Cassini, 25 October 1671", sci("1.81", 21),
    extra=[("Orbit", "tilted about 15&deg; to Saturn's equator")]), [
    "Iapetus is Saturn's third largest moon and the strangest-looking. The side that leads as it "
    "travels round Saturn is as dark as coal, while the trailing side is as bright as snow. "
    "Cassini noticed this soon after he discovered the moon: he could see Iapetus only when it "
    "was on one side of Saturn. The dark material is thought to be dust from Saturn's outer moons, "
    "such as <a href=\"Phoebe.htm\">Phoebe</a>, swept up by Iapetus; darkened areas warm up in "
    "sunlight, their ice evaporates and settles on the colder, brighter areas, making the "
    "contrast stronger.",
    "Iapetus is slightly flattened, and a mountain ridge up to about 20 km high runs along part "
    "of its equator, giving it the shape of a walnut. It is named after a Titan of Greek myth, "
    "father of Atlas and Prometheus.",
])

short("Phoebe", "Outer retrograde moon of Saturn", moon_facts(
    "Saturn", "about 219 &times; 217 &times; 204 km", "12.9 million km", "550 days",
    "9 h 16 min", "by William Pickering, 1899 (on photographs taken in August 1898)",
    sci("8.3", 18),
    extra=[("Orbit", "retrograde (backwards), tilted about 175&deg; to the ecliptic")]), [
    "Phoebe orbits far from Saturn, backwards and on a tilted orbit, which shows that it was "
    "captured rather than formed around the planet; it is probably a small icy body from the "
    "outer Solar System, like those of the Kuiper belt. It is very dark, reflecting only about 6 "
    "per cent of the light that falls on it. Phoebe was the first moon to be discovered on "
    "photographs. The Cassini spacecraft flew close by in June 2004, just before it went into "
    "orbit around Saturn, and showed a heavily cratered, icy body.",
    "In 2009 the Spitzer Space Telescope discovered a vast, faint ring of dust around Saturn "
    "along Phoebe's orbit, made of material knocked off Phoebe by impacts. Phoebe is named after "
    "a Titaness of Greek myth, grandmother of Apollo and Artemis.",
])

# --- Uranus -----------------------------------------------------------------

PORTIA_GROUP = ("Portia group", "one of the closely packed inner moons that orbit between the "
                "epsilon ring and Puck")

short("Cordelia", "Inner moon of Uranus, inner shepherd of the epsilon ring", moon_facts(
    "Uranus", "about 40 km across", "49,800 km from the centre", "8 h 2 min", None,
    "by Richard Terrile in Voyager 2 pictures, 20 January 1986"), [
    "Cordelia is the innermost known moon of Uranus. It orbits just inside the epsilon ring, the "
    "brightest and broadest of the planet's narrow rings, while <a "
    "href=\"Ophelia.htm\">Ophelia</a> orbits just outside it; between them their gravity keeps "
    "the ring's edges sharp. Like the other small inner moons it is very dark. The moons of "
    "Uranus are named after characters from the works of Shakespeare and Alexander Pope; "
    "Cordelia is the youngest daughter of King Lear.",
])

short("Ophelia", "Inner moon of Uranus, outer shepherd of the epsilon ring", moon_facts(
    "Uranus", "about 43 km across", "53,800 km from the centre", "9 h 2 min", None,
    "by Richard Terrile in Voyager 2 pictures, 20 January 1986"), [
    "Ophelia orbits just outside the epsilon ring of Uranus and, with <a "
    "href=\"Cordelia.htm\">Cordelia</a> on the inside, acts as one of its shepherds. Its orbit is "
    "slightly elongated and tilted. Almost nothing is known of its surface, since Voyager 2 saw "
    "it only as a small, dark smudge. It is named after the daughter of Polonius in Shakespeare's "
    "Hamlet.",
])

short("Bianca", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 51 km across", "59,200 km from the centre", "10 h 26 min", None,
    "by Bradford Smith in Voyager 2 pictures, 23 January 1986", extra=[PORTIA_GROUP]), [
    "Bianca is the innermost member of the Portia group, a crowded swarm of small, dark moons "
    "whose orbits lie between the rings of Uranus and the orbit of <a href=\"Puck.htm\">Puck</a>. "
    "It was discovered just a day before Voyager 2's closest approach to Uranus. It is named after "
    "the sister of Katherina in Shakespeare's The Taming of the Shrew.",
])

short("Cressida", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 80 km across", "61,800 km from the centre", "11 h 8 min", None,
    "by Stephen Synnott in Voyager 2 pictures, 9 January 1986", extra=[PORTIA_GROUP]), [
    "Cressida is a member of the Portia group of inner moons. The moons of this group are packed "
    "so closely that they disturb each other's orbits strongly; over millions of years some of "
    "them are expected to collide, and <a href=\"Desdemona.htm\">Desdemona</a> may one day strike "
    "Cressida. Cressida's gravity seems to shape one of the narrow rings of Uranus, the eta ring. "
    "It is named after the heroine of Shakespeare's Troilus and Cressida.",
])

short("Desdemona", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 64 km across", "62,700 km from the centre", "11 h 23 min", None,
    "by Stephen Synnott in Voyager 2 pictures, 13 January 1986", extra=[PORTIA_GROUP]), [
    "Desdemona is one of the small, dark inner moons of Uranus. Its orbit lies so close to those "
    "of <a href=\"Cressida.htm\">Cressida</a> and <a href=\"Juliet.htm\">Juliet</a> that "
    "calculations suggest it may collide with one of them within the next 100 million years, a "
    "short time by astronomical standards. It is named after the wife of Othello in Shakespeare's "
    "play.",
])

short("Juliet", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 94 km across", "64,400 km from the centre", "11 h 50 min", None,
    "by Stephen Synnott in Voyager 2 pictures, 3 January 1986", extra=[PORTIA_GROUP]), [
    "Juliet is one of the larger members of the Portia group of inner moons. Voyager 2 saw it as "
    "an elongated, dark object; its surface is probably water ice darkened by radiation. It is "
    "named after the heroine of Shakespeare's Romeo and Juliet.",
])

short("Portia", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 135 km across", "66,100 km from the centre", "12 h 19 min", None,
    "by Stephen Synnott in Voyager 2 pictures, 3 January 1986", extra=[PORTIA_GROUP]), [
    "Portia is the largest member of the group of small inner moons named after it, and the "
    "second largest of the inner moons of Uranus after <a href=\"Puck.htm\">Puck</a>. Like the "
    "rest of the group it is dark and reddish-grey. The group's members move on similar, nearly "
    "circular orbits and may be fragments of a larger moon broken up long ago. Portia is named "
    "after the heroine of Shakespeare's The Merchant of Venice.",
])

short("Rosalind", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 72 km across", "69,900 km from the centre", "13 h 24 min", None,
    "by Stephen Synnott in Voyager 2 pictures, 13 January 1986", extra=[PORTIA_GROUP]), [
    "Rosalind is a small, dark inner moon of Uranus and a member of the Portia group. Its orbit "
    "is disturbed by small tugs from its many close neighbours. It is named after the daughter of the banished "
    "Duke in Shakespeare's As You Like It.",
])

short("Belinda", "Inner moon of Uranus", moon_facts(
    "Uranus", "about 80 km across", "75,300 km from the centre", "14 h 59 min", None,
    "by Stephen Synnott in Voyager 2 pictures, 13 January 1986", extra=[PORTIA_GROUP]), [
    "Belinda is an elongated inner moon of Uranus and the outermost large member of the Portia "
    "group; the tiny moon Cupid, found with the Hubble Space Telescope in 2003, orbits less than "
    "1,000 km inside its orbit. Unlike most of its neighbours it is not named after a Shakespeare character but after "
    "the heroine of Alexander Pope's poem The Rape of the Lock, whose stolen lock of hair is "
    "carried up to the stars.",
])

short("Puck", "Inner moon of Uranus, the largest of the small inner moons", moon_facts(
    "Uranus", "about 162 km across", "86,000 km from the centre", "18 h 17 min", SYNC % "Uranus",
    "by Stephen Synnott in Voyager 2 pictures, 30 December 1985"), [
    "Puck was the first moon Voyager 2 discovered as it approached Uranus, and it is the largest "
    "of the planet's small inner moons. It is the only one of them that Voyager photographed in "
    "enough detail to show its shape and surface: a roughly round, dark body with several large "
    "craters, named after mischievous spirits of folklore such as Bogle, Butz and Lob. Its "
    "surface shows signs of water ice. Puck is named after the mischievous sprite in "
    "Shakespeare's A Midsummer Night's Dream.",
])

short("Miranda", "Moon of Uranus, the smallest of its five large moons", moon_facts(
    "Uranus", "472 km across", "129,900 km", "1.41 days", SYNC % "Uranus",
    "by Gerard Kuiper at McDonald Observatory, 16 February 1948", sci("6.4", 19),
    extra=[("Orbit", "tilted about 4&deg; to Uranus's equator")]), [
    "Miranda is the smallest and innermost of the five large, round moons of Uranus, and one of "
    "the most bizarre-looking worlds in the Solar System. Voyager 2, which passed closest to "
    "Miranda of all the Uranian moons in 1986, found old cratered plains broken up by three huge, "
    "oval or angular regions called coronae, covered in parallel ridges and grooves like racing "
    "tracks. These may have formed where warm ice rose from inside the moon, or where the moon "
    "was shattered and reassembled. Great fault canyons cut the surface, and one cliff, Verona "
    "Rupes, is estimated to be 5 to 10 km high, one of the tallest cliffs known in the Solar "
    "System.",
    "Miranda was the last moon of Uranus discovered before the space age. It is named after the "
    "daughter of the magician Prospero in Shakespeare's The Tempest.",
])

short("Ariel", "Moon of Uranus", moon_facts(
    "Uranus", "1,158 km across", "190,900 km", "2.52 days", SYNC % "Uranus",
    "by William Lassell, 24 October 1851", sci("1.25", 21)), [
    "Ariel is the fourth largest moon of Uranus and has the brightest surface of its large "
    "moons. Its surface also seems to be the youngest: it has fewer large craters than its "
    "neighbours and is crossed by a network of broad valleys bounded by faults, some of them "
    "floored with smooth material that may have flowed out as icy lava. Carbon dioxide ice has "
    "been detected on it. Ariel is named after a spirit of the air, who appears both in "
    "Shakespeare's The Tempest and in Pope's The Rape of the Lock.",
])

short("Umbriel", "Moon of Uranus", moon_facts(
    "Uranus", "1,169 km across", "266,000 km", "4.14 days", SYNC % "Uranus",
    "by William Lassell, 24 October 1851", sci("1.28", 21)), [
    "Umbriel is the darkest of the five large moons of Uranus, and its old, heavily cratered "
    "surface looks remarkably uniform. The one striking exception is a bright ring about 130 km "
    "across on the floor of the crater Wunda, near the equator, whose origin is still unknown. Umbriel "
    "is named after a melancholy sprite in Pope's The Rape of the Lock; the name comes from the "
    "Latin word for shadow.",
])

short("Titania", "Moon of Uranus, its largest", moon_facts(
    "Uranus", "1,577 km across", "436,300 km", "8.71 days", SYNC % "Uranus",
    "by William Herschel, 11 January 1787", sci("3.4", 21)), [
    "Titania is the largest moon of Uranus and the eighth largest moon in the Solar System. It "
    "is made of roughly equal amounts of ice and rock. Its surface has fewer large craters than "
    "that of <a href=\"Oberon.htm\">Oberon</a> and is cut by enormous fault canyons, the longest "
    "of which, Messina Chasma, runs about 1,500 km; they probably formed as water inside froze "
    "and expanded, cracking the crust. Herschel found Titania and Oberon six years after he "
    "discovered Uranus. Titania is named after the queen of the fairies in Shakespeare's A "
    "Midsummer Night's Dream.",
])

short("Oberon", "Moon of Uranus, the outermost of its large moons", moon_facts(
    "Uranus", "1,523 km across", "583,500 km", "13.46 days", SYNC % "Uranus",
    "by William Herschel, 11 January 1787", sci("3.1", 21)), [
    "Oberon is the second largest and outermost of the five large moons of Uranus. Its old, "
    "reddish surface is the most heavily cratered of the Uranian moons, and some of its large "
    "craters, such as Hamlet, have floors covered in dark material. Voyager 2 also saw a "
    "mountain several kilometres high on its edge. Oberon is named after the king of the fairies "
    "in Shakespeare's A Midsummer Night's Dream.",
])

# --- Neptune ----------------------------------------------------------------

short("Naiad", "Inner moon of Neptune", moon_facts(
    "Neptune", "about 66 km across (96 &times; 60 &times; 52 km)", "48,200 km from the centre",
    "7 h 4 min", None, "by the Voyager 2 imaging team, September 1989",
    extra=[("Orbit", "tilted about 5&deg; to Neptune's equator")]), [
    "Naiad is the innermost known moon of Neptune. It orbits inside the distance at which an "
    "orbit would keep pace with Neptune's rotation, so tides are slowly drawing it inwards, and "
    "it may one day be torn apart. In 2019 astronomers found that Naiad and its neighbour <a "
    "href=\"Thalassa.htm\">Thalassa</a> perform a remarkable dance: Naiad's tilted orbit weaves "
    "up and down as it overtakes Thalassa, so that the two never come closer than about 3,500 "
    "km. The moons of Neptune are named after sea gods and nymphs; the Naiads were nymphs of "
    "springs and rivers.",
])

short("Thalassa", "Inner moon of Neptune", moon_facts(
    "Neptune", "about 82 km across (108 &times; 100 &times; 52 km)", "50,100 km from the centre",
    "7 h 28 min", None, "by the Voyager 2 imaging team, September 1989"), [
    "Thalassa is a small, flattened, disc-shaped moon that orbits between the Galle and Le "
    "Verrier rings of Neptune. Like <a href=\"Naiad.htm\">Naiad</a>, it orbits faster than "
    "Neptune turns and is slowly spiralling inwards. It is named after a primordial goddess of "
    "the sea in Greek myth.",
])

short("Despina", "Inner moon of Neptune", moon_facts(
    "Neptune", "about 150 km across", "52,500 km from the centre", "8 h 2 min", None,
    "by Stephen Synnott in Voyager 2 pictures, July 1989"), [
    "Despina is a small, dark, irregular moon that orbits just inside Neptune's Le Verrier ring "
    "and may act as a shepherd, helping to keep the ring narrow. Voyager 2 photographed its "
    "shadow falling on Neptune's clouds. In Greek myth Despina was a daughter of Poseidon and "
    "Demeter.",
])

short("Galatea", "Inner moon of Neptune", moon_facts(
    "Neptune", "about 176 km across", "62,000 km from the centre", "10 h 18 min", None,
    "by Stephen Synnott in Voyager 2 pictures, July 1989"), [
    "Galatea orbits just inside the Adams ring, the outermost of Neptune's rings. The ring "
    "contains bright arcs, clumps of dust named Libert&eacute;, &Eacute;galit&eacute;, "
    "Fraternit&eacute; and Courage, which would be expected to spread out around the ring in a "
    "few years; Galatea's gravity is thought to hold them together. Galatea is named after one "
    "of the Nereids, the sea nymphs of Greek myth.",
])

short("Larissa", "Inner moon of Neptune", moon_facts(
    "Neptune", "about 194 km across (216 &times; 204 &times; 168 km)", "73,500 km from the centre",
    "13 h 20 min", None,
    "by Harold Reitsema, William Hubbard, Larry Lebofsky and David Tholen, 24 May 1981; "
    "confirmed by Voyager 2, 1989"), [
    "Larissa is an elongated, cratered moon. It was first detected from the Earth in 1981, when "
    "it passed in front of a star and briefly blocked its light; at the time the event was taken "
    "as a hint of a ring. Voyager 2 confirmed the moon eight years later. Larissa is slowly "
    "spiralling inwards towards Neptune. In Greek myth Larissa was a lover of Poseidon.",
])

short("Proteus", "Moon of Neptune, its second largest", moon_facts(
    "Neptune", "about 420 km across", "117,600 km from the centre", "26 h 56 min", SYNC % "Neptune",
    "by Stephen Synnott in Voyager 2 pictures, June 1989", sci("4.4", 19)), [
    "Proteus is Neptune's second largest moon, but it was not discovered until Voyager 2 flew "
    "past, because it is very dark and orbits close to the bright planet. It is about as large as "
    "a body of its kind can be without its own gravity pulling it into a round shape, and its "
    "shape is irregular, with flattish faces. Its largest crater, Pharos, is about 250 km across; the tiny moon "
    "Hippocamp, found with the Hubble Space Telescope in 2013, may be a fragment knocked off "
    "Proteus by that impact. Proteus is named after a shape-changing sea god of Greek myth.",
])

short("Triton", "Moon of Neptune, its largest", moon_facts(
    "Neptune", "2,707 km across", "354,800 km", "5.88 days, retrograde (backwards)",
    SYNC % "Neptune", "by William Lassell, 10 October 1846", sci("2.14", 22),
    extra=[("Surface temperature", "about &minus;235 &deg;C"),
           ("Atmosphere", "very thin, mostly nitrogen")]), [
    "Triton is the seventh largest moon in the Solar System and the only large moon that orbits "
    "backwards, against the direction of its planet's spin. This suggests that it did not form "
    "around Neptune but is a dwarf planet, like <a href=\"PlutoFrame.htm\">Pluto</a>, captured "
    "from the Kuiper belt. Tides are slowly drawing it inwards; in a few billion years it will "
    "be torn apart, perhaps forming a great ring around Neptune.",
    "When Voyager 2 flew past in August 1989 it found one of the coldest surfaces ever measured, "
    "about &minus;235 &deg;C, covered in frozen nitrogen, and a strange region with dimpled "
    "terrain like the skin of a cantaloupe melon. Few craters mean the surface is young. Dark "
    "plumes rose about 8 km above the surface and trailed downwind in the thin nitrogen "
    "atmosphere: geysers of nitrogen gas carrying dark dust, probably driven by sunlight warming "
    "the ice. Lassell found Triton just 17 days after Neptune itself was discovered. It is named "
    "after a sea god, son of Poseidon.",
])

short("Nereid", "Outer moon of Neptune", moon_facts(
    "Neptune", "about 340 km across", "5.5 million km on average (from 1.4 to 9.7 million km)",
    "360 days", "about 11.6 hours", "by Gerard Kuiper, 1 May 1949",
    extra=[("Orbital eccentricity", "0.75")]), [
    "Nereid is Neptune's third largest moon and has one of the most elongated orbits of any known "
    "moon: its distance from Neptune varies about sevenfold over its 360-day orbit. Its orbit may "
    "have been disturbed when <a href=\"Triton.htm\">Triton</a> was captured. Voyager 2 saw "
    "Nereid only from a distance of more than four million kilometres. Kuiper found it on "
    "photographs taken at McDonald Observatory; it was the last moon of Neptune discovered before "
    "the space age. The Nereids were sea nymphs, daughters of the sea god Nereus.",
])

# --- Pluto ------------------------------------------------------------------

short("Charon", "Largest moon of Pluto", moon_facts(
    "Pluto", "1,212 km across (about half Pluto's diameter)", "19,600 km from Pluto's centre",
    "6.39 days", "6.39 days; Pluto and Charon each keep one face towards the other",
    "by James Christy at the US Naval Observatory, Flagstaff, 22 June 1978", sci("1.59", 21),
    extra=[("Surface temperature", "about &minus;220 &deg;C")]), [
    "Charon is so large compared with <a href=\"PlutoFrame.htm\">Pluto</a>, about half its "
    "diameter and an eighth of its mass, that the two are often described as a double system: "
    "they orbit a point in the space between them. Each is locked facing the other, so from one "
    "side of Pluto Charon hangs motionless in the sky and from the other side it is never seen. "
    "Its discovery in 1978 allowed Pluto's mass to be measured for the first time and showed that "
    "Pluto is much smaller than had been thought.",
    "The New Horizons spacecraft photographed Charon in 2015. Its grey surface of water ice is "
    "cut by a belt of canyons more than 1,600 km long, some several kilometres deep, and its north "
    "polar region, nicknamed Mordor Macula, is stained reddish-brown by material that escaped from "
    "Pluto's atmosphere and was changed by sunlight. Charon is named after the ferryman of the "
    "dead in Greek myth; Christy also had in mind his wife, Charlene.",
])

# --- Saturn's rings and the Earth's atmosphere ------------------------------

short("SaturnRings", "The main rings of Saturn", [
    ("Inner edge shown (C ring)", "74,658 km from Saturn's centre"),
    ("Outer edge shown (A ring)", "136,775 km from Saturn's centre"),
    ("Width", "about 62,000 km"),
    ("Typical thickness", "about 10 metres (up to about a kilometre in places)"),
    ("Mass", "about " + sci("1.5", 19) + " (less than half the mass of <a href=\"Mimas.htm\">Mimas</a>)"),
    ("Composition", "more than 95 per cent water ice, with some dust and rock"),
    ("Size of the pieces", "from grains smaller than a millimetre to boulders several metres across"),
    ("Time for one orbit", "about 5.8 hours at the inner edge, 14.3 hours at the outer edge"),
], [
    "Saturn's rings are a vast, flat disc of ice orbiting above the planet's equator. What looks "
    "like a solid sheet is made of countless separate pieces of water ice, from dust grains to "
    "boulders the size of a house, each on its own orbit around Saturn like a tiny moon; the "
    "inner pieces go round faster than the outer ones. The rings are extremely thin for their "
    "width: if they were shrunk to the width of a football pitch, they would be thinner than a "
    "sheet of paper. In Orbivale they are shown from the inner edge of the C ring to the outer "
    "edge of the A ring.",
    "<b>The main rings, from the inside out.</b> The faint <b>C ring</b> runs from 74,658 km to "
    "about 92,000 km. The <b>B ring</b>, the brightest, densest and most massive, reaches to "
    "about 117,580 km. Next comes the dark <b>Cassini Division</b>, a gap about 4,600 km wide "
    "that is not empty but thinly populated; its inner edge is shaped by the moon <a "
    "href=\"Mimas.htm\">Mimas</a>. The <b>A ring</b> extends from about 122,170 km to 136,775 km; "
    "it contains the Encke Gap, about 325 km wide, kept open by the moon <a "
    "href=\"Pan.htm\">Pan</a>, and near its edge the narrow Keeler Gap. Outside the main rings "
    "lie the narrow F ring, guarded by <a href=\"Prometheus.htm\">Prometheus</a> and <a "
    "href=\"Pandora.htm\">Pandora</a>, and the faint G and E rings; the E ring is fed by the "
    "geysers of <a href=\"Enceladus.htm\">Enceladus</a>.",
    "<b>History.</b> In 1610 Galileo saw Saturn as a planet with two companions, or \"ears\"; "
    "two years later they had vanished, because the rings were edge-on to the Earth. Christiaan "
    "Huygens explained in 1655 that Saturn is surrounded by a thin, flat ring, and Giovanni "
    "Cassini discovered the division named after him in 1675. In 1859 James Clerk Maxwell showed "
    "that the rings could not be solid and must be made of countless small particles. The Voyager "
    "probes revealed thousands of ringlets and dark radial \"spokes\", and the Cassini spacecraft "
    "studied the rings in detail from orbit until 2017, finally diving through the gap between the "
    "rings and the planet. How old the rings are is still debated: their clean ice suggests they "
    "may be only a few hundred million years old, much younger than Saturn. Every 14 to 15 years "
    "they are seen edge-on from the Earth and almost disappear, as last happened in 2025.",
])

short("EarthAtmos", "The Earth's atmosphere", [
    ("Shown in Orbivale as", "a shell 125 km thick around the Earth"),
    ("Composition (dry air)", "78.1 per cent nitrogen, 20.9 per cent oxygen, 0.9 per cent argon, "
     "about 0.04 per cent carbon dioxide; water vapour varies from almost nothing to about 4 per cent"),
    ("Mass", "about " + sci("5.1", 18) + " (about one millionth of the Earth's mass)"),
    ("Pressure at sea level", "about 1,013 hectopascals on average"),
    ("Half of the air lies below", "about 5.5 km"),
    ("Conventional edge of space", "100 km (the K&aacute;rm&aacute;n line)"),
], [
    "The atmosphere is the layer of gases that surrounds the Earth, held in place by gravity. "
    "Without it the Earth would be a cold, lifeless world like the Moon: it provides the oxygen "
    "we breathe, keeps the surface warm through the greenhouse effect, carries water around the "
    "planet as clouds and rain, and shields living things from the Sun's harmful ultraviolet "
    "light and from most of the small meteoroids that would otherwise strike the ground. The sky "
    "is blue because the molecules of the air scatter blue sunlight more than red. The atmosphere "
    "has no sharp top; it thins out gradually into space. Orbivale draws it as a shell 125 km "
    "thick, about the height at which spacecraft returning to the Earth first feel the drag of "
    "the air.",
    "<b>Layers.</b> The <b>troposphere</b>, from the ground up to about 8 km at the poles and 18 "
    "km at the equator, holds about three-quarters of the air's mass and almost all of its "
    "weather. In the <b>stratosphere</b> above it, up to about 50 km, lies the ozone layer that "
    "absorbs ultraviolet light. In the <b>mesosphere</b>, from 50 to about 85 km, most meteors "
    "burn up as shooting stars. The <b>thermosphere</b> above is extremely thin but very hot, "
    "heated by the Sun's X-rays and ultraviolet light; it is where the aurorae glow, and the "
    "International Space Station orbits within it at about 400 km. Beyond, the <b>exosphere</b> "
    "fades into space.",
])


# ---------------------------------------------------------------------------
# Rendering.
# ---------------------------------------------------------------------------

STYLE = """
body { font-family: "DejaVu Sans", "Liberation Sans", Arial, sans-serif; font-size: 10pt;
       color: #1a1a1a; background-color: #ffffff; }
h1 { font-size: 18pt; color: #1b2a5a; margin-top: 6px; margin-bottom: 2px; }
h2 { font-size: 13pt; color: #1b2a5a; margin-top: 14px; margin-bottom: 4px; }
p { margin-top: 4px; margin-bottom: 8px; }
p.sub { color: #505a78; font-style: italic; margin-top: 0px; }
p.nav { margin-top: 2px; margin-bottom: 2px; }
p.foot { color: #505a78; font-size: 9pt; }
table.facts { border-color: #9aa4c0; border-style: solid; }
td.label { background-color: #e4e9f6; font-weight: bold; }
td.value { background-color: #ffffff; }
th { background-color: #1b2a5a; color: #ffffff; text-align: left; }
a { color: #1f4fb4; }
"""


def to_ascii(text):
    """Writes every character outside ASCII as a numeric character reference."""
    return text.encode("ascii", "xmlcharrefreplace").decode("ascii")


def anchor(name, text=None):
    return '<a href="%s">%s</a>' % (page_file(name), text or html.escape(link_name(name)))


def nav_bar(name):
    """The line of links at the top and bottom of every page: the index, the Sun
    and the chain of parents down to this page."""
    parts = ['<a href="index.htm">Encyclopedia index</a>']
    chain = []
    p = parent_of(name)
    while p:
        chain.insert(0, p)
        p = parent_of(p)
    if name != "Sun" and "Sun" not in chain:
        chain.insert(0, "Sun")
    for c in chain:
        parts.append(anchor(c, html.escape(display_name(c))))
    parts.append("<b>%s</b>" % html.escape(display_name(name)))
    return '<p class="nav">' + " &gt; ".join(parts) + "</p>"


def facts_table(name, facts):
    rows = ['<table class="facts" border="1" cellspacing="0" cellpadding="4" width="100%">',
            '<tr><th colspan="2">%s: facts and figures</th></tr>' % html.escape(display_name(name))]
    for label, value in facts:
        rows.append('<tr><td class="label" width="34%%">%s</td><td class="value">%s</td></tr>'
                    % (label, value))
    rows.append("</table>")
    return "\n".join(rows)


def children_of(name):
    if name == "Sun":
        return list(PLANETS)
    return list(MOONS.get(name, [])) + list(EXTRAS.get(name, []))


def related_block(name):
    """Links to the parent and the children (for a planet) or the siblings (for a moon)."""
    out = []
    kids = children_of(name)
    if name == "Sun":
        out.append("<h2>The planets</h2>")
        out.append("<p>" + " &middot; ".join(anchor(k, html.escape(display_name(k))) for k in kids)
                   + "</p>")
    elif name in PLANETS:
        moons = MOONS.get(name, [])
        if moons:
            out.append("<h2>%s in Orbivale</h2>" % ("Moon" if len(moons) == 1 else "Moons"))
            out.append("<p>" + " &middot; ".join(anchor(m, html.escape(display_name(m))) for m in moons)
                       + "</p>")
        extras = EXTRAS.get(name, [])
        if extras:
            out.append("<p>See also: " + ", ".join(anchor(e, html.escape(link_name(e))) for e in extras)
                       + ".</p>")
    else:
        parent = parent_of(name)
        if parent:
            siblings = [s for s in MOONS.get(parent, []) + EXTRAS.get(parent, [])]
            what = "moons" if name in MOONS.get(parent, []) else "parts"
            out.append("<h2>Related pages</h2>")
            out.append("<p>Parent: %s</p>" % anchor(parent, html.escape(display_name(parent))))
            others = []
            for s in siblings:
                if s == name:
                    others.append("<b>%s</b>" % html.escape(display_name(s)))
                else:
                    others.append(anchor(s, html.escape(display_name(s))))
            if len(siblings) > 1 or what == "parts":
                if parent == "Earth":
                    label = "Pages about the Earth"
                elif EXTRAS.get(parent):
                    label = "Moons and rings of %s" % html.escape(link_name(parent))
                else:
                    label = "Moons of %s" % html.escape(link_name(parent))
                out.append("<p>%s: %s</p>" % (label, " &middot; ".join(others)))
    return "\n".join(out)


def page(name, body_html):
    title = display_name(name)
    doc = """<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>%(title)s - Orbivale Encyclopedia</title>
<style type="text/css">%(style)s</style>
</head>
<body>
%(nav)s
<hr>
%(body)s
<hr>
%(nav)s
<p class="foot">Orbivale Encyclopedia. Figures are rounded; distances of moons are measured from
the centre of their planet. In Orbivale, press F9 to open the page of the selected target.</p>
</body>
</html>
""" % dict(title=html.escape(title), style=STYLE, nav=nav_bar(name), body=body_html)
    return to_ascii(doc)


def render_full(name, art):
    parts = ["<h1>%s</h1>" % html.escape(display_name(name)),
             '<p class="sub">%s</p>' % art["subtitle"]]
    parts += ["<p>%s</p>" % p for p in art["intro"]]
    parts.append(facts_table(name, art["facts"]))
    for heading, paras in art["sections"]:
        parts.append("<h2>%s</h2>" % heading)
        parts += ["<p>%s</p>" % p for p in paras]
    parts.append(related_block(name))
    return page(name, "\n".join(parts))


def render_short(name, sp):
    parts = ["<h1>%s</h1>" % html.escape(display_name(name)),
             '<p class="sub">%s</p>' % sp["subtitle"],
             facts_table(name, sp["facts"])]
    parts += ["<p>%s</p>" % p for p in sp["paras"]]
    parts.append(related_block(name))
    return page(name, "\n".join(parts))


def render_index():
    parts = ["<h1>Orbivale Encyclopedia</h1>",
             '<p class="sub">The Sun, the planets and their moons</p>',
             "<p>Choose a body to read about it. Each planet is listed with the moons that "
             "Orbivale shows, from the planet outwards. Inside Orbivale you can also select a "
             "target in the Viewer Controls window and press F9, or click the encyclopedia "
             "button beside the target list, to open its page directly.</p>",
             "<h2>The Sun</h2>",
             "<p>%s &mdash; the star at the centre of the Solar System</p>" % anchor("Sun", "The Sun"),
             "<h2>The planets and their moons</h2>",
             '<table border="0" cellspacing="0" cellpadding="4" width="100%">']
    for i, planet in enumerate(PLANETS):
        bg = "#eef1f9" if i % 2 == 0 else "#ffffff"
        items = []
        for m in MOONS.get(planet, []):
            items.append(anchor(m, html.escape(display_name(m))))
        for e in EXTRAS.get(planet, []):
            items.append(anchor(e, html.escape(display_name(e))))
        label = anchor(planet, "<b>%s</b>" % html.escape(planet))
        if planet == "Pluto":
            label += "<br>(dwarf planet)"
        moons_html = " &middot; ".join(items) if items else "<i>no moons</i>"
        parts.append('<tr><td bgcolor="%s" width="18%%" valign="top">%s</td>'
                     '<td bgcolor="%s" valign="top">%s</td></tr>' % (bg, label, bg, moons_html))
    parts.append("</table>")
    parts.append("<h2>All pages from A to Z</h2>")
    names = sorted(all_bodies(), key=lambda n: display_name(n).replace("The ", "").lower())
    parts.append("<p>" + " &middot; ".join(
        anchor(n, html.escape(display_name(n).replace("The ", "")))
        for n in names) + "</p>")
    doc = """<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<title>Orbivale Encyclopedia</title>
<style type="text/css">%(style)s</style>
</head>
<body>
%(body)s
<hr>
<p class="foot">Figures are rounded. Pluto has been classed as a dwarf planet since 2006;
Orbivale shows it with the planets, as the ninth of its orbits.</p>
</body>
</html>
""" % dict(style=STYLE, body="\n".join(parts))
    return to_ascii(doc)


def build(out_dir=HERE):
    names = all_bodies()
    missing = [n for n in names if n not in FULL_ARTICLES and n not in SHORT_PAGES]
    if missing:
        raise SystemExit("no page text for: " + ", ".join(missing))
    written = []
    for name in names:
        if name in FULL_ARTICLES:
            text = render_full(name, FULL_ARTICLES[name])
        else:
            text = render_short(name, SHORT_PAGES[name])
        path = os.path.join(out_dir, page_file(name))
        with open(path, "w", encoding="ascii", newline="\n") as f:
            f.write(text)
        written.append(page_file(name))
    with open(os.path.join(out_dir, "index.htm"), "w", encoding="ascii", newline="\n") as f:
        f.write(render_index())
    written.append("index.htm")
    return written


if __name__ == "__main__":
    files = build(sys.argv[1] if len(sys.argv) > 1 else HERE)
    print("wrote %d pages" % len(files))
