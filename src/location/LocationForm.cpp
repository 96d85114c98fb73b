#include "location/LocationForm.h"

#include <cmath>

#include "location/LocationFile.h"
#include "location/LocationFormat.h"
#include "location/LocationList.h"

namespace {

constexpr double kMaxLatitude = 90.0;
constexpr double kMaxLongitude = 180.0;

struct CoordinateRules {
    LocationForm::Field field;
    double limit;
    QChar positive, negative;
    const char* caption;
    const char* invalid;
    const char* badLetter;
    const char* range;
};

const CoordinateRules kLatitude{LocationForm::Field::Latitude,
                                kMaxLatitude,
                                QLatin1Char('N'),
                                QLatin1Char('S'),
                                "Latitude",
                                "The latitude value is not valid.",
                                "The latitude value has an unrecognised character after the value.",
                                "Latitude must be in the range -90 to +90."};

const CoordinateRules kLongitude{
    LocationForm::Field::Longitude,
    kMaxLongitude,
    QLatin1Char('E'),
    QLatin1Char('W'),
    "Longitude",
    "The longitude value is not valid.",
    "The longitude value has an unrecognised character after the value.",
    "Longitude must be in the range -180 to +180."};

// The coordinate's value, or the failure's message in outcome.
bool ReadCoordinate(const QString& text, const CoordinateRules& rules,
                    LocationForm::Outcome& outcome, double& value) {
    auto fail = [&](const char* message) {
        outcome.caption = QString::fromLatin1(rules.caption);
        outcome.message = QString::fromLatin1(message);
        outcome.field = rules.field;
        return false;
    };
    const Coordinate c = ParseCoordinate(text);
    if (!c.valid) return fail(rules.invalid);
    const QChar letter = c.letter.toUpper();
    if (!c.letter.isNull() && letter != rules.positive && letter != rules.negative)
        return fail(rules.badLetter);
    if (c.value > rules.limit || c.value < -rules.limit) return fail(rules.range);
    value = (letter == rules.negative && c.value > 0) ? -c.value : c.value;
    return true;
}

// Whether the place's line, with the widest numbers, stays within what the reader takes.
bool FitsTheFile(const QString& name, const LocationEntry& entry) {
    LocationEntry widest = entry;
    widest.latitude = -90;
    widest.longitude = -180;
    widest.timeZone = -24;
    return FormatLocationLine({name, widest}).size() < kLocationLineBytes;
}

}  // namespace

const QStringList& LocationForm::TimeZoneItems() {
    static const QStringList items = {
        QStringLiteral("GMT-12:00  (Eniwetok)"),
        QStringLiteral("GMT-11:00  (Midway, Samoa)"),
        QStringLiteral("GMT-10:00  (Hawaii)"),
        QStringLiteral("GMT-09:00  (Alaska)"),
        QStringLiteral("GMT-08:00  (Pacific Standard Time)"),
        QStringLiteral("GMT-07:00  (Mountain Standard  Time)"),
        QStringLiteral("GMT-06:00  (Central Standard  Time)"),
        QStringLiteral("GMT-05:00  (Eastern Standard Time)"),
        QStringLiteral("GMT-04:00  (Atlantic Standard Time)"),
        QStringLiteral("GMT-03:00  (Buenos Aires, Georgetown)"),
        QStringLiteral("GMT-02:00  (Mid Atlantic Standard Time)"),
        QStringLiteral("GMT-01:00  (Azores)"),
        QStringLiteral("GMT+00:00  Greenwich Mean Time, Universal Time, London"),
        QStringLiteral("GMT+01:00  (Paris, Rome, Berlin)"),
        QStringLiteral("GMT+02:00  (Athens, Cairo, Eastern Europe)"),
        QStringLiteral("GMT+03:00  (Moscow)"),
        QStringLiteral("GMT+03:30  (Tehran)"),
        QStringLiteral("GMT+04:00  (Abu Dhabi)"),
        QStringLiteral("GMT+04:30  (Kabul)"),
        QStringLiteral("GMT+05:00  (Karachi)"),
        QStringLiteral("GMT+05:30  (Calcutta)"),
        QStringLiteral("GMT+06:00  (Dhaka)"),
        QStringLiteral("GMT+07:00  (Bangkok)"),
        QStringLiteral("GMT+08:00  (Beijing, Hong Kong, Singapore)"),
        QStringLiteral("GMT+09:00  (Tokyo)"),
        QStringLiteral("GMT+09:30  (Adelaide)"),
        QStringLiteral("GMT+10:00  (Melbourne)"),
        QStringLiteral("GMT+11:00  (Soloman Islands)"),
        QStringLiteral("GMT+12:00  (Wellington, Auckland)"),
    };
    return items;
}

int LocationForm::HalfHoursOfItem(const QString& item) {
    if (item.size() < 8) return 0;
    int halfHours = item.mid(4, 2).toInt() * 2;
    if (item[7] == QLatin1Char('3')) ++halfHours;
    return item[3] == QLatin1Char('-') ? -halfHours : halfHours;
}

int LocationForm::ItemOfHalfHours(int halfHours) {
    const QStringList& items = TimeZoneItems();
    for (int i = 0; i < items.size(); ++i)
        if (HalfHoursOfItem(items[i]) == halfHours) return i;
    return -1;
}

QString LocationForm::Note(Field field) {
    switch (field) {
        case Field::Name:
            return QStringLiteral(
                "All locations must have unique names.\n\nThe supplied list has the country "
                "followed by the city, for example, 'England, Manchester'.");
        case Field::Latitude:
            return QStringLiteral(
                "The latitude of a location is the number of degrees north or south of the "
                "equator it is. For example San Diego in the U.S.A. has a latitude of 32.71 "
                "degrees north,  so we enter 32.71N.");
        case Field::Longitude:
            return QStringLiteral(
                "The longitude of a location is the number of degrees east or west of "
                "Greenwich (in London) it is. For example Sanford in Florida has a longitude "
                "of 81.28 degrees west,  so we enter 81.28W.");
        case Field::TimeZone:
            return QStringLiteral(
                "The time-zone a location is in indicates how many hours the clocks at that "
                "location are in front or behind Greenwich Mean Time (GMT). This value is "
                "strongly related to longitude with locations west of Greenwich having their "
                "clocks behind.\n\nThe time-zone changes by one hour for every 15 degrees of "
                "longitude.");
    }
    return QString();
}

int LocationForm::SuggestedItem(const QString& longitudeText) {
    const Coordinate c = ParseCoordinate(longitudeText);
    if (!c.valid || std::fabs(c.value) > kMaxLongitude) return -1;
    const bool west = c.value < 0 || (c.letter.toUpper() == QLatin1Char('W') && c.value > 0);
    const double degrees = west ? -std::fabs(c.value) : std::fabs(c.value);
    return ItemOfHalfHours(TimeZoneFromLongitude(degrees));
}

LocationForm::Outcome LocationForm::Check(const LocationList& list, bool editing,
                                          const QString& selectedName, const LocationEntry& entry) {
    name = name.trimmed();
    latitude = latitude.trimmed();
    longitude = longitude.trimmed();
    Outcome outcome;
    if (name.isEmpty() || latitude.isEmpty() || longitude.isEmpty() || zoneItem < 0 ||
        zoneItem >= TimeZoneItems().size()) {
        outcome.caption = QStringLiteral("Location");
        outcome.message = QStringLiteral("You must complete all fields.");
        outcome.field = name.isEmpty()        ? Field::Name
                        : latitude.isEmpty()  ? Field::Latitude
                        : longitude.isEmpty() ? Field::Longitude
                                              : Field::TimeZone;
        return outcome;
    }
    double lat = 0, lon = 0;
    if (!ReadCoordinate(latitude, kLatitude, outcome, lat)) return outcome;
    if (!ReadCoordinate(longitude, kLongitude, outcome, lon)) return outcome;
    // The file quotes names and reads lines of a limited length: a name the file could not
    // give back would lose the place at the next load.
    if (name.contains(QLatin1Char('"')) || !FitsTheFile(name, entry)) {
        outcome.caption = QStringLiteral("Name");
        outcome.message = name.contains(QLatin1Char('"'))
                              ? QStringLiteral("A name cannot contain the \" character.")
                              : QStringLiteral("This name is too long.");
        outcome.field = Field::Name;
        return outcome;
    }
    if (!(editing && name == selectedName)) {
        outcome.clashRow = list.FindExact(name);
        if (outcome.clashRow >= 0) {
            outcome.caption = QStringLiteral("Name");
            outcome.message = QStringLiteral("Another entry exists with this name.");
            outcome.field = Field::Name;
            return outcome;
        }
    }
    outcome.ok = true;
    outcome.entry = entry;
    outcome.entry.latitude = static_cast<float>(lat);
    outcome.entry.longitude = static_cast<float>(lon);
    outcome.entry.timeZone = HalfHoursOfItem(TimeZoneItems()[zoneItem]);
    return outcome;
}
