#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "FakeConsoleHost.h"
#include "console/widgets/TConsole.h"
#include "core/Files.h"

namespace {

void Type(TConsole& console, const QString& text, Qt::Key key = Qt::Key_Return) {
    QLineEdit* edit = console.commandLine()->lineEdit();
    edit->setText(text);
    QTest::keyClick(edit, key);
}

}  // namespace

TEST(ConsoleWindow, TypingRunsEntriesAndKeepsTheList) {
    FakeConsoleHost host;
    TConsole console(host);
    console.show();
    EXPECT_EQ(console.windowTitle(), QStringLiteral("Console"));
    EXPECT_EQ(console.transcript(), QStringLiteral("Orbivale version ") + FileVersionText());
    EXPECT_TRUE(console.commandLine()->currentText().isEmpty());

    Type(console, QStringLiteral("  ?1+2 "));
    Type(console, QStringLiteral("bogus"));
    Type(console, QStringLiteral("?1+2"));
    EXPECT_EQ(console.transcript().split(QLatin1Char('\n')).mid(1),
              (QStringList{"> ?1+2", "3", "OK", "> bogus", "Error: Unrecognised command: 'bogus'.",
                           "> ?1+2", "3", "OK"}));
    // Newest first, failed entries and repeats included; the line is emptied.
    QComboBox* list = console.commandLine();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("?1+2"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("bogus"));
    EXPECT_EQ(list->itemText(2), QStringLiteral("?1+2"));
    EXPECT_TRUE(list->currentText().isEmpty());
    EXPECT_EQ(host.ticks, 3);

    // Blanks print nothing and add nothing, but the viewer still runs a frame.
    Type(console, QStringLiteral("   "));
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(host.ticks, 4);
    // Escape empties the line without running it.
    Type(console, QStringLiteral("cx 5"), Qt::Key_Escape);
    EXPECT_TRUE(list->currentText().isEmpty());
    EXPECT_EQ(host.position.x, 0);
    EXPECT_EQ(list->count(), 3);

    // F1 asks for the console's page; other keys go to the shared function keys.
    QSignalSpy help(&console, &TConsole::helpRequested);
    QSignalSpy keys(&console, &TConsole::functionKeyPressed);
    QTest::keyRelease(console.commandLine()->lineEdit(), Qt::Key_F1);
    QTest::keyRelease(console.history(), Qt::Key_F7);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help[0][0].toString(), QStringLiteral("Console"));
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys[0][0].toInt(), int(Qt::Key_F7));
}

TEST(ConsoleWindow, LayoutAndDefaultPlacement) {
    FakeConsoleHost host;
    TConsole console(host);
    console.resize(600, 400);
    console.show();
    const QRect line = console.commandLine()->geometry();
    const QRect history = console.history()->geometry();
    EXPECT_EQ(line.bottom() + 1, 400 - TConsole::kMargin);
    EXPECT_EQ(line.right() + 1, 600 - TConsole::kMargin);
    EXPECT_EQ(history.bottom() + 1, line.top() - TConsole::kMargin);
    EXPECT_EQ(history.width(), line.width());
    EXPECT_GE(console.minimumSizeHint().height(), 6 * line.height());
    EXPECT_EQ(TConsole::DefaultPlacement(QSize(1001, 703)), QRect(250, 351, 500, 231));
}
