#include <erfa.h>
#include <erfam.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <array>

#include "core/Ecliptic.h"
#include "support/TestSupport.h"

namespace {

using RunResult = ProgramRun;

RunResult RunProgram(const QStringList& args) {
    return RunBinary(QStringLiteral(ORBIVALE_BINARY), args);
}

Ecliptic RowPosition(const QString& csv, const QString& name) {
    for (const QString& line : csv.split(QLatin1Char('\n'))) {
        const QStringList row = line.split(QLatin1Char(','));
        if (row.size() == 7 && row[0] == name)
            return {row[2].toDouble(), row[3].toDouble(), row[4].toDouble()};
    }
    ADD_FAILURE() << "no row for " << name.toStdString();
    return {};
}

// The reference, worked out here from ERFA directly: TT by ERFA's own UTC to TAI to TT,
// each theory's J2000-equatorial position in AU turned onto the J2000 ecliptic (IAU 2006
// obliquity) by ERFA's rotation routines, in km.
struct Reference {
    double tt1 = 0, tt2 = 0;
    Reference(int y, int mo, int d, int h, int mi, double s) {
        double u1, u2, a1, a2;
        eraDtf2d("UTC", y, mo, d, h, mi, s, &u1, &u2);
        eraUtctai(u1, u2, &a1, &a2);
        eraTaitt(a1, a2, &tt1, &tt2);
    }
    static Ecliptic ToEclipticKm(double p[3]) {
        double r[3][3], q[3];
        eraIr(r);
        eraRx(84381.406 * ERFA_DAS2R, r);
        eraRxp(r, p, q);
        const double km = ERFA_DAU / 1000.0;
        return {q[0] * km, q[1] * km, q[2] * km};
    }
    Ecliptic Planet(int erfaNumber) const {
        double pv[2][3];
        eraPlan94(tt1, tt2, erfaNumber, pv);
        return ToEclipticKm(pv[0]);
    }
    Ecliptic Earth() const {
        double h[2][3], b[2][3];
        eraEpv00(tt1, tt2, h, b);
        return ToEclipticKm(h[0]);
    }
    Ecliptic Moon() const {
        double pv[2][3];
        eraMoon98(tt1, tt2, pv);
        return ToEclipticKm(pv[0]);
    }
};

}  // namespace

TEST(PreciseProgram, EphemerisEqualsErfa) {
    QTemporaryDir settings;
    const QStringList base = {QStringLiteral("--ephemeris"), QStringLiteral("--utc"),
                              QStringLiteral("2026-12-08T00:00:00"),
                              QStringLiteral("--settings-dir"), settings.path()};
    const RunResult precise = RunProgram(base + QStringList{QStringLiteral("--precise")});
    ASSERT_EQ(precise.code, 0) << precise.err.toStdString();
    const Reference erfa(2026, 12, 8, 0, 0, 0);

    // Within 1 km per AU of distance: a wrong time scale (69 s) puts the Earth 2,000 km off,
    // a wrong rotation or axis order millions.
    const std::array<std::pair<const char*, int>, 7> planets = {{{"Mercury", 1},
                                                                 {"Venus", 2},
                                                                 {"Mars", 4},
                                                                 {"Jupiter", 5},
                                                                 {"Saturn", 6},
                                                                 {"Uranus", 7},
                                                                 {"Neptune", 8}}};
    for (const auto& [name, number] : planets) {
        const Ecliptic expected = erfa.Planet(number);
        const double tolerance = expected.length() / (ERFA_DAU / 1000.0);
        const Ecliptic got = RowPosition(precise.out, QString::fromLatin1(name));
        EXPECT_LT((got - expected).length(), tolerance) << name;
    }
    const Ecliptic earth = RowPosition(precise.out, QStringLiteral("Earth"));
    EXPECT_LT((earth - erfa.Earth()).length(), 1.0);
    // The Moon, from the Earth, within 1 km (the Moon moves 1 km a second).
    EXPECT_LT((RowPosition(precise.out, QStringLiteral("Moon")) - earth - erfa.Moon()).length(),
              1.0);

    // Pluto keeps its elements; Mars's moons ride with Mars.
    const RunResult elements = RunProgram(base);
    ASSERT_EQ(elements.code, 0);
    EXPECT_LT((RowPosition(precise.out, QStringLiteral("Pluto")) -
               RowPosition(elements.out, QStringLiteral("Pluto")))
                  .length(),
              0.01);
    const auto phobos = [](const QString& csv) {
        return RowPosition(csv, QStringLiteral("Phobos")) -
               RowPosition(csv, QStringLiteral("Mars"));
    };
    EXPECT_LT((phobos(precise.out) - phobos(elements.out)).length(), 0.01);
    EXPECT_GT((RowPosition(precise.out, QStringLiteral("Saturn")) -
               RowPosition(elements.out, QStringLiteral("Saturn")))
                  .length(),
              1e6);

    // For this run only: nothing of it reaches the settings file.
    QFile ini(settings.filePath(QStringLiteral("Tarnwick/Orbivale.ini")));
    if (ini.open(QIODevice::ReadOnly)) {
        EXPECT_FALSE(ini.readAll().contains("PreciseEphemeris"));
    }
    // The help names the option.
    EXPECT_TRUE(RunProgram({QStringLiteral("--help")}).out.contains(QStringLiteral("--precise")));
}
