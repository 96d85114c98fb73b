#include <QFile>
#include <QRegularExpression>

#include "core/Log.h"
#include "support/TestSupport.h"

namespace {
struct Sink : LogSink {
    QStringList* order;
    QString tag;
    Sink(QStringList* o, QString t) : order(o), tag(std::move(t)) {}
    void logLine(const QString& line) override { order->append(tag + QLatin1Char(':') + line); }
};
}  // namespace

class LogTest : public ServicesTest {};

TEST_F(LogTest, LinesReachEverySinkInOrder) {
    QStringList order;
    Sink splash(&order, QStringLiteral("splash")), window(&order, QStringLiteral("window")),
        status(&order, QStringLiteral("status"));
    Log("before sinks %d", 1);
    EXPECT_TRUE(order.isEmpty());
    Services::instance().setLogSink(LogSinkSlot::StatusBar, &status);
    Services::instance().setLogSink(LogSinkSlot::Splash, &splash);
    Services::instance().setLogSink(LogSinkSlot::SystemLogWindow, &window);
    Log("Body Killed: %s", "Earth");
    EXPECT_EQ(order, (QStringList{QStringLiteral("splash:Body Killed: Earth"),
                                  QStringLiteral("window:Body Killed: Earth"),
                                  QStringLiteral("status:Body Killed: Earth")}));
    // A window that goes away simply stops receiving.
    Services::instance().setLogSink(LogSinkSlot::Splash, nullptr);
    Log("later");
    EXPECT_EQ(order.size(), 5);
    EXPECT_EQ(Services::instance().systemLog(),
              (QStringList{QStringLiteral("before sinks 1"), QStringLiteral("Body Killed: Earth"),
                           QStringLiteral("later")}));
}

TEST_F(LogTest, LogFileAppendsTimestampedLines) {
    LogToFile("User Visual not created");
    LogToFile("%s: ResetTweener to %f and %f", "Mars", 1.0, 101.0);
    QFile file(LogFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines =
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(": User Visual not created")));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{1,2} \S+ \d{4} at \d\d:\d\d:\d\d: )"))
                    .match(lines[0])
                    .hasMatch())
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("Mars: ResetTweener to 1.000000 and 101.000000")));
}

TEST_F(LogTest, UnwritableLogFileIsSkipped) {
    Services::instance().setUserDataDirectory(QStringLiteral("/proc/orbivale-no-such-dir"));
    LogToFile("nothing happens");  // must not throw or crash
    SUCCEED();
}
