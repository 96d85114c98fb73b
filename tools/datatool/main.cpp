// orbivale-datatool: turns the committed source pictures (data/maps/) into the
// media folder the program loads, and holds the conversion steps the source
// refresh script uses. Needs no display: only QImage and file access.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "media.h"
#include "prepare.h"

namespace {

constexpr auto kUsage =
    "usage: orbivale-datatool COMMAND ARGS\n"
    "  media MAPS_DIR OUT_DIR            build the media folder from the source pictures\n"
    "  check MAPS_DIR OUT_DIR            verify the media folder (names and sizes)\n"
    "  objects-txt OBJECTS_CSV OUT_TXT   write the sky-object list the program reads\n"
    "source refresh steps (data/maps/fetch_sources.sh):\n"
    "  prep-map IN OUT.jpg W H QUALITY ROLL_DEGREES\n"
    "  prep-disc IN OUT.png MAX_SIZE\n"
    "  prep-scale IN OUT.png W H\n"
    "  prep-objects INDEX_JSON PICTURE_DIR LIST MAPS_DIR SCALE\n";

int toInt(const QString& s, bool* ok) {
    bool good = false;
    const int v = s.toInt(&good);
    if (!good || v <= 0) *ok = false;
    return v;
}

int fail(const QString& message) {
    std::fprintf(stderr, "orbivale-datatool: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // Image plug-ins (JPEG) are found through the application object; no
    // platform plug-in is involved.
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString cmd = args[0];
    const auto n = args.size() - 1;
    QString error;
    bool ok = true;

    if (cmd == QLatin1String("media") && n == 2) {
        ok = datatool::buildMedia(args[1], args[2], &error);
    } else if (cmd == QLatin1String("check") && n == 2) {
        ok = datatool::checkMedia(args[1], args[2], &error);
    } else if (cmd == QLatin1String("objects-txt") && n == 2) {
        ok = datatool::writeObjectsTxt(args[1], args[2], &error);
    } else if (cmd == QLatin1String("prep-map") && n == 6) {
        bool nums = true;
        const int w = toInt(args[3], &nums), h = toInt(args[4], &nums), q = toInt(args[5], &nums);
        bool rollOk = false;
        const double roll = args[6].toDouble(&rollOk);
        if (!nums || !rollOk || q > 100)
            return fail(QStringLiteral("prep-map: bad size, quality or roll"));
        ok = datatool::prepareMap(args[1], args[2], w, h, q, roll, &error);
    } else if (cmd == QLatin1String("prep-disc") && n == 3) {
        bool nums = true;
        const int m = toInt(args[3], &nums);
        if (!nums) return fail(QStringLiteral("prep-disc: bad size"));
        ok = datatool::prepareDisc(args[1], args[2], m, &error);
    } else if (cmd == QLatin1String("prep-scale") && n == 4) {
        bool nums = true;
        const int w = toInt(args[3], &nums), h = toInt(args[4], &nums);
        if (!nums) return fail(QStringLiteral("prep-scale: bad size"));
        ok = datatool::prepareScaled(args[1], args[2], w, h, &error);
    } else if (cmd == QLatin1String("prep-objects") && n == 5) {
        bool nums = true;
        const int scale = toInt(args[5], &nums);
        if (!nums) return fail(QStringLiteral("prep-objects: bad scale"));
        ok = datatool::prepareObjects(args[1], args[2], args[3], args[4], scale, &error);
    } else {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!ok) return fail(error);
    return 0;
}
