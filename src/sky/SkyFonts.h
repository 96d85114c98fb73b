#pragma once

#include <QFont>

namespace sky {

// The typefaces the sky view writes with. "Times New Roman" and "Arial" are asked for by
// name and fall back on their metric-compatible Liberation faces; Greek letters are Unicode
// characters, so any face with Greek draws them. Sizes are in points at the picture's DPI,
// so the labels keep their size on a dense screen.
struct SkyFonts {
    QFont grid;           // hour and declination labels
    QFont starNames;      // proper names and Flamsteed numbers
    QFont greek;          // Greek letters and their superscript digits
    QFont constellation;  // constellation abbreviations, italic
    QFont bodies;         // Sun, Moon and planet names, bold
    QFont compass;        // cardinal points on the horizon, bold
    QFont scale;          // the direction strip and the tilt scale

    static SkyFonts Make();
};

// "Arial", "Times New Roman" or "Symbol" with the fall-backs this platform has.
QFont SkyFont(const char* family, int pointSize);

// The dots per metre a picture is given so that its point sizes match a screen's DPI.
int DotsPerMetre(double dpi);

}  // namespace sky
