#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "location/LocationFile.h"
#include "location/LocationList.h"
#include "support/TestSupport.h"

namespace {

class LocationFileTest : public ServicesTest {
  protected:
    QString Write(const QByteArray& text, const QString& name = QStringLiteral("Locations.dat")) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::vector<NamedLocation> Load(const QByteArray& text) {
        auto places = LoadLocations(Write(text));
        EXPECT_TRUE(places.has_value());
        return places.value_or(std::vector<NamedLocation>{});
    }
};

}  // namespace

TEST_F(LocationFileTest, ReaderTakesGoodLinesAndSkipsBadOnes) {
    const auto places = Load(
        "\"Manchester\",53.48,-2.25,0\n"
        "\"Sanford\",28.80,-81.28\n"                     // no time zone: from the longitude
        "\"Tokyo\",35.68,139.70\r\n"                     // the same, east, with a CR LF end
        "\"Spaced\"  \t,1.00,2.00,4\n"                   // blanks before the comma are allowed
        "\"Other\" x,1.00,2.00,4\n"                      // anything else there is not
        "NoQuote,1.00,2.00,0\n"                          // no opening quote
        "\"Unclosed,1.00,2.00,0\n"                       // no closing quote
        "\"NoComma\" 1.00,2.00,0\n"                      // no comma after the name
        "\"NoNumbers\",\n"                               // no latitude
        "\"OffTheEarth\",95.00,2.00,0\n"                 // latitude out of range
        "\"Paris, France\",48.85,2.33,2,Europe/Paris\n"  // the zone, and a comma in the name
        "\"Manchester\",42.99,-71.46,-10\n"              // duplicate names are kept
        "\n");
    ASSERT_EQ(places.size(), 6u);
    EXPECT_EQ(places[0].name, QStringLiteral("Manchester"));
    EXPECT_FLOAT_EQ(places[0].entry.latitude, 53.48f);
    EXPECT_FLOAT_EQ(places[0].entry.longitude, -2.25f);
    EXPECT_EQ(places[0].entry.timeZone, 0);
    EXPECT_TRUE(places[0].entry.zoneName.isEmpty());
    EXPECT_EQ(places[1].entry.timeZone, -10);  // -81.28 gives GMT-05:00
    EXPECT_EQ(places[2].entry.timeZone, 18);   // 139.7 gives GMT+09:00
    EXPECT_EQ(places[3].name, QStringLiteral("Spaced"));
    EXPECT_EQ(places[3].entry.timeZone, 4);
    EXPECT_EQ(places[4].name, QStringLiteral("Paris, France"));
    EXPECT_EQ(places[4].entry.zoneName, QStringLiteral("Europe/Paris"));
    EXPECT_EQ(places[5].name, QStringLiteral("Manchester"));
    EXPECT_EQ(places[5].entry.timeZone, -10);
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(LocationFileTest, LongLinesAreCutAtTheReadersLimit) {
    const QByteArray longName(300, 'x');
    const QByteArray tail(260, ' ');
    const auto places = Load(
        // A name running past the limit has no closing quote within it: skipped.
        "\"" + longName + "\",1.00,2.00,0\n" +
        // The numbers of a short line are read; what lies past the limit is passed over, and
        // does not count as a line even when it looks like one.
        "\"Short\",1.00,2.00,4" + tail + "\"Ghost\",3.00,4.00,6\n" +
        // A line of 255 bytes (before its line end) is read whole; one byte more loses the
        // last digit.
        "\"" + QByteArray(240, 'y') + "\",5.00,6.00,18\n" + "\"" + QByteArray(241, 'z') +
        "\",5.00,6.00,18\n");
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].name, QStringLiteral("Short"));
    EXPECT_EQ(places[0].entry.timeZone, 4);
    EXPECT_EQ(places[1].entry.timeZone, 18);
    EXPECT_EQ(places[2].entry.timeZone, 1);
}

TEST_F(LocationFileTest, MissingAndUnreadableFiles) {
    // A missing file is an empty list, silently.
    auto places = LoadLocations(dir.filePath(QStringLiteral("none.dat")));
    ASSERT_TRUE(places.has_value());
    EXPECT_TRUE(places->empty());
    EXPECT_TRUE(prompter.calls.empty());

    // A file that exists but cannot be read says why and leaves the caller's list alone.
    const QString folder = dir.filePath(QStringLiteral("folder.dat"));
    QDir().mkpath(folder);
    EXPECT_FALSE(LoadLocations(folder).has_value());
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter.calls[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(prompter.calls[0].text.startsWith(
        QStringLiteral("Could not load locations, because of error: ")));
    EXPECT_GT(prompter.calls[0].text.size(), 44);  // with a reason
}

TEST_F(LocationFileTest, FileWithoutReadPermissionIsUnreadable) {
    if (geteuid() == 0) GTEST_SKIP() << "running as root: a file without permissions is readable";
    const QString locked = Write("\"A\",1.00,2.00,0\n", QStringLiteral("locked.dat"));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    EXPECT_FALSE(LoadLocations(locked).has_value());
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].text,
              QStringLiteral("Could not load locations, because of error: Permission denied"));
}

TEST_F(LocationFileTest, SaveWritesTheLinesAndReadsBack) {
    std::vector<NamedLocation> places = {
        {QStringLiteral("Zürich"), {47.38f, 8.54f, 2, QStringLiteral("Europe/Zurich")}},
        {QStringLiteral("Quito"), {-0.22f, -78.5f, -10, QString()}},
        {QStringLiteral("Null Island"), {-0.001f, 0.0f, 0, QString()}}};
    const QString path = dir.filePath(QStringLiteral("sub/Locations.dat"));
    ASSERT_TRUE(SaveLocations(path, places));
    EXPECT_EQ(Read(path), QByteArray("\"Zürich\",47.38,8.54,2,Europe/Zurich\n"
                                     "\"Quito\",-0.22,-78.50,-10\n"
                                     "\"Null Island\",0.00,0.00,0\n"));
    const auto back = LoadLocations(path);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->size(), 3u);
    EXPECT_EQ((*back)[0].name, QStringLiteral("Zürich"));
    EXPECT_EQ((*back)[0].entry.zoneName, QStringLiteral("Europe/Zurich"));
    EXPECT_FLOAT_EQ((*back)[1].entry.longitude, -78.5f);
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(LocationFileTest, FailedSaveLeavesThePreviousFileWhole) {
    const QByteArray previous = "\"Old\",1.00,2.00,0\n\"Older\",3.00,4.00,6\n";
    const QString path = Write(previous);
    std::vector<NamedLocation> places;
    for (int i = 0; i < 200; ++i)
        places.push_back({QStringLiteral("Place %1").arg(i), {1.0f, 2.0f, 0, QString()}});

    // A limit on the size of files this process writes makes the writes fail, even for root;
    // the signal it raises is ignored so that the write returns an error instead.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved1 = SaveLocations(path, places);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved1);
    EXPECT_EQ(Read(path), previous);
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(prompter.calls[0].text.startsWith(
        QStringLiteral("Could not save locations, because of error: ")));
    // Nothing half-written is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("Locations.dat")});
}

TEST_F(LocationFileTest, ReadOnlyFolderRefusesTheSave) {
    if (geteuid() == 0) GTEST_SKIP() << "running as root: a read-only folder takes new files";
    const QByteArray previous = "\"Old\",1.00,2.00,0\n";
    const std::vector<NamedLocation> places = {{QStringLiteral("New"), {1.0f, 2.0f, 0, {}}}};
    const QString readOnly = dir.filePath(QStringLiteral("ro"));
    QDir().mkpath(readOnly);
    const QString inside = readOnly + QStringLiteral("/Locations.dat");
    {
        QFile f(inside);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(previous);
    }
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool saved = SaveLocations(inside, places);
    QFile::setPermissions(readOnly,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Read(inside), previous);
    EXPECT_EQ(prompter.calls.size(), 1u);
}

TEST_F(LocationFileTest, ReadsTheUsersCopyWhenThereIsOne) {
    QTemporaryDir shipped;
    Services::instance().setDataDirectory(shipped.path());
    EXPECT_EQ(LocationsPath(), shipped.filePath(QStringLiteral("Locations.dat")));
    EXPECT_EQ(UserLocationsPath(), dir.filePath(QStringLiteral("Locations.dat")));
    Write("\"Mine\",1.00,2.00,0\n");
    EXPECT_EQ(LocationsPath(), UserLocationsPath());
}

TEST(LocationList, SortsIgnoringCaseAndFindsExactNames) {
    LocationList list({{QStringLiteral("b"), {}},
                       {QStringLiteral("A"), {}},
                       {QStringLiteral("C"), {}},
                       {QStringLiteral("a"), {}}});
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list.at(0).name, QStringLiteral("A"));
    EXPECT_EQ(list.at(1).name, QStringLiteral("a"));
    EXPECT_EQ(list.at(2).name, QStringLiteral("b"));
    EXPECT_EQ(list.Insert({QStringLiteral("B"), {}}), 2);
    EXPECT_EQ(list.Insert({QStringLiteral("zz"), {}}), 5);
    EXPECT_EQ(list.FindExact(QStringLiteral("a")), 1);
    EXPECT_EQ(list.FindExact(QStringLiteral("c")), -1);
    EXPECT_EQ(list.FindIgnoringCase(QStringLiteral("c")), 4);
    list.Remove(0);
    EXPECT_EQ(list.at(0).name, QStringLiteral("a"));
}
