#include "core/BodyCatalogue.h"

namespace BodyCatalogue {

const std::array<PlanetInfo, ElementTable::kPlanetCount>& Planets() {
    static const std::array<PlanetInfo, ElementTable::kPlanetCount> planets = {{
        {"Mercury", 0x7F8A96, 2440.5, 2438.3},
        {"Venus", 0xA8D5E6, 6051.8, 6051.8},
        {"Earth", 0xFF0000, 6378.15, 6356.8},
        {"Mars", 0x3A5EC1, 3396.2, 3376.2},
        {"Jupiter", 0x9DCAD8, 71492.0, 66854.0},
        {"Saturn", 0x9EC8E3, 60268.0, 54364.0},
        {"Uranus", 0xEEE5AC, 25559.0, 24973.0},
        {"Neptune", 0xDB7A3F, 24764.0, 24341.0},
        {"Pluto", 0x98B0C8, 1188.3, 1188.3},
    }};
    return planets;
}

const std::array<MoonInfo, ElementTable::kMoonRecordCount - 1>& Moons() {
    static const std::array<MoonInfo, ElementTable::kMoonRecordCount - 1> moons = {{
        // Mars
        {"Phobos", 0x5A636E, 11.4, 9.1, 13.0, true},
        {"Deimos", 0x7A8894, 6.0, 5.1, 7.8, true},
        // Jupiter
        {"Metis", 0x4A6080, 20.0, 17.0, 30.0, true},
        {"Adrastea", 0x4A6080, 8.0, 7.0, 10.0, true},
        {"Amalthea", 0x3A5AA0, 73.0, 64.0, 125.0, false},
        {"Thebe", 0x4A6488, 49.0, 42.0, 58.0, true},
        {"Io", 0x4AD2E6, 1819.4, 1815.7, 1829.4, false},
        {"Europa", 0xB8D0E0, 1560.8, 1560.8, 1560.8, false},
        {"Ganymede", 0x82929E, 2634.1, 2634.1, 2634.1, false},
        {"Callisto", 0x50606E, 2410.3, 2410.3, 2410.3, false},
        {"Leda", 0x707880, 10.75, 10.75, 10.75, true},
        {"Himalia", 0x707880, 70.0, 70.0, 70.0, false},
        {"Lysithea", 0x707880, 21.1, 21.1, 21.1, true},
        {"Elara", 0x707880, 43.0, 43.0, 43.0, true},
        {"Ananke", 0x707880, 14.0, 14.0, 14.0, true},
        {"Carme", 0x707880, 23.0, 23.0, 23.0, true},
        {"Pasiphae", 0x707880, 30.0, 30.0, 30.0, true},
        {"Sinope", 0x707880, 19.0, 19.0, 19.0, true},
        // Saturn
        {"Pan", 0xA8B4BE, 15.7, 10.4, 17.2, true},
        {"Atlas", 0xA8B4BE, 17.8, 9.4, 20.5, true},
        {"Prometheus", 0xA8B4BE, 41.6, 28.2, 68.2, false},
        {"Pandora", 0xA8B4BE, 40.8, 31.5, 52.2, false},
        {"Epimetheus", 0xB0BAC2, 57.3, 53.0, 64.9, false},
        {"Janus", 0xB0BAC2, 93.0, 76.3, 101.7, false},
        {"Mimas", 0xC8CCD0, 196.7, 190.6, 207.8, false},
        {"Enceladus", 0xF5F5F5, 251.4, 248.3, 256.6, false},
        {"Tethys", 0xE6E6E8, 528.3, 526.3, 538.4, false},
        {"Telesto", 0xE0E0E0, 11.8, 9.8, 16.3, true},
        {"Calypso", 0xE0E0E0, 9.3, 6.3, 15.3, true},
        {"Dione", 0xD0D4D8, 561.3, 559.6, 563.4, false},
        {"Helene", 0xE0E0E0, 19.6, 13.3, 22.5, true},
        {"Rhea", 0xC4C8CC, 763.1, 762.4, 765.0, false},
        {"Titan", 0x4A9CD8, 2574.7, 2574.7, 2574.7, false},
        {"Hyperion", 0x80A0B8, 133.0, 102.7, 180.1, false},
        {"Iapetus", 0x88949A, 745.7, 712.1, 745.7, false},
        {"Phoebe", 0x484C50, 108.5, 101.8, 109.4, false},
        // Uranus
        {"Cordelia", 0x606468, 20.1, 20.1, 20.1, true},
        {"Ophelia", 0x606468, 21.4, 21.4, 21.4, true},
        {"Bianca", 0x606468, 25.7, 25.7, 25.7, true},
        {"Cressida", 0x606468, 39.8, 39.8, 39.8, true},
        {"Desdemona", 0x606468, 32.0, 32.0, 32.0, true},
        {"Juliet", 0x606468, 46.8, 46.8, 46.8, true},
        {"Portia", 0x606468, 67.6, 67.6, 67.6, false},
        {"Rosalind", 0x606468, 36.0, 36.0, 36.0, true},
        {"Belinda", 0x606468, 40.3, 40.3, 40.3, true},
        {"Puck", 0x606468, 81.0, 81.0, 81.0, false},
        {"Miranda", 0xA0A0A0, 234.2, 232.9, 240.4, false},
        {"Ariel", 0xB4B4B4, 577.9, 577.7, 581.1, false},
        {"Umbriel", 0x707070, 584.7, 584.7, 584.7, false},
        {"Titania", 0x9CA0A4, 788.4, 788.4, 788.4, false},
        {"Oberon", 0x8890A0, 761.4, 761.4, 761.4, false},
        // Neptune
        {"Naiad", 0x686868, 33.0, 33.0, 33.0, true},
        {"Thalassa", 0x686868, 41.0, 41.0, 41.0, true},
        {"Despina", 0x686868, 75.0, 75.0, 75.0, false},
        {"Galatea", 0x686868, 88.0, 88.0, 88.0, false},
        {"Larissa", 0x686868, 97.0, 97.0, 97.0, false},
        {"Proteus", 0x606468, 208.0, 201.0, 218.0, false},
        {"Triton", 0xC0C8D8, 1353.4, 1353.4, 1353.4, false},
        {"Nereid", 0x8C9096, 170.0, 170.0, 170.0, false},
        // Pluto
        {"Charon", 0x888C90, 606.0, 606.0, 606.0, false},
    }};
    return moons;
}

}  // namespace BodyCatalogue
