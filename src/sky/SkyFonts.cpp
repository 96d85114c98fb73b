#include "sky/SkyFonts.h"

#include <QStringList>
#include <cmath>
#include <cstring>

namespace sky {

namespace {
constexpr int kLabelPoints = 8;
constexpr double kMetresPerInch = 0.0254;
}  // namespace

QFont SkyFont(const char* family, int pointSize) {
    QStringList families;
    if (std::strcmp(family, "Times New Roman") == 0)
        families << QStringLiteral("Times New Roman") << QStringLiteral("Liberation Serif")
                 << QStringLiteral("DejaVu Serif");
    else if (std::strcmp(family, "Symbol") == 0)
        // The Greek letters come as Unicode: any face that has them will do.
        families << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
    else
        families << QString::fromLatin1(family) << QStringLiteral("Liberation Sans")
                 << QStringLiteral("DejaVu Sans");
    QFont font;
    font.setFamilies(families);
    font.setPointSize(pointSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

SkyFonts SkyFonts::Make() {
    SkyFonts f;
    f.grid = SkyFont("Times New Roman", kLabelPoints);
    f.starNames = SkyFont("Arial", kLabelPoints);
    f.greek = SkyFont("Symbol", kLabelPoints + 1);
    f.constellation = SkyFont("Arial", kLabelPoints);
    f.constellation.setItalic(true);
    f.bodies = SkyFont("Arial", kLabelPoints);
    f.bodies.setBold(true);
    f.compass = SkyFont("Arial", kLabelPoints + 2);
    f.compass.setBold(true);
    f.scale = SkyFont("Arial", kLabelPoints - 1);
    return f;
}

int DotsPerMetre(double dpi) {
    return static_cast<int>(std::lround((dpi > 0 ? dpi : 96.0) / kMetresPerInch));
}

}  // namespace sky
