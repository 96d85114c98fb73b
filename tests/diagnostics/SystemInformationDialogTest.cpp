#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>

#include "diagnostics/widgets/TSystemInformation.h"
#include "support/TestSupport.h"

namespace {

// The dialog with its save-file dialog answered by the test.
class ScriptedInformation : public TSystemInformation {
  public:
    using TSystemInformation::TSystemInformation;
    QString answer;

  protected:
    QString ChooseSaveFile() override { return answer; }
};

sysinfo::Dump SampleDump() {
    sysinfo::Dump dump;
    dump.sections[0] = {QStringLiteral("Total physical memory:\t64.0MB")};
    dump.sections[1] = {QStringLiteral("Platform:\tLinux x86_64")};
    dump.sections[2] = {QStringLiteral("Valid Texture Formats Below"),
                        QStringLiteral("Format 0:\t32 bit (8 8 8 8) [RGB] [Alpha Channel] ")};
    dump.sections[3] = {QStringLiteral("Frames:\t10")};
    return dump;
}

class SystemInformationDialogTest : public ServicesTest {};

}  // namespace

TEST_F(SystemInformationDialogTest, PagesHoldTheSectionsAndLinesDrawInTwoColumns) {
    ScriptedInformation d(SampleDump());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("System Information"));
    ASSERT_EQ(d.tabs()->count(), 4);
    EXPECT_EQ(d.tabs()->tabText(0), QStringLiteral("&Memory Manager"));
    EXPECT_EQ(d.tabs()->tabText(1), QStringLiteral("&Operating System"));
    EXPECT_EQ(d.tabs()->tabText(2), QStringLiteral("&Display"));
    EXPECT_TRUE(d.tabs()->tabText(3).remove(QLatin1Char('&')) == QStringLiteral("Orbivale"));
    EXPECT_EQ(d.list(TSystemInformation::DisplayPage)->count(), 2);
    EXPECT_EQ(d.list(TSystemInformation::MemoryPage)->item(0)->text(),
              QStringLiteral("Total physical memory:\t64.0MB"));

    // The value starts a third of the way across: the list's left third holds only the label.
    sysinfo::Dump shortLines;
    shortLines.sections[0] = {QStringLiteral("Load:\t5%")};
    ScriptedInformation small(shortLines);
    small.show();
    QListWidget* list = small.list(TSystemInformation::MemoryPage);
    const QImage picture = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->item(0));
    auto inked = [&](int from, int to) {
        int n = 0;
        const QRgb background = picture.pixel(picture.width() - 1, picture.height() - 1);
        for (int y = row.top(); y <= row.bottom() && y < picture.height(); ++y)
            for (int x = from; x < to && x < picture.width(); ++x)
                n += picture.pixel(x, y) != background;
        return n;
    };
    const int third = list->viewport()->width() / 3;
    EXPECT_GT(inked(0, third), 0);
    EXPECT_GT(inked(third, third + 40), 0);
    // No tab character is drawn as a box or a gap filler between the columns.
    EXPECT_EQ(inked(third - 6, third), 0);
}

TEST_F(SystemInformationDialogTest, SaveWritesTheDumpOrSaysItCouldNot) {
    QTemporaryDir out;
    ScriptedInformation d(SampleDump());
    d.answer = out.filePath(QStringLiteral("SystemInfo.log"));
    d.SaveLogClick();
    QFile f(d.answer);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("; System Information dump produced by Orbivale on ")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("\n\n[Memory Manager]\nTotal physical memory:\t64.0MB\n")));
    EXPECT_TRUE(prompter.calls.empty());

    // Cancelled: nothing happens.
    d.answer.clear();
    d.SaveLogClick();
    EXPECT_TRUE(prompter.calls.empty());

    // A file that cannot be made: the error box, and no file left behind.
    d.answer = out.filePath(QStringLiteral("gone/SystemInfo.log"));
    d.SaveLogClick();
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("The log file could not be written."));
    EXPECT_EQ(prompter.calls[0].icon, MessageIcon::Stop);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("SystemInfo.log")});
}

TEST_F(SystemInformationDialogTest, F1AndHelpOpenTheSysInfoTopic) {
    ScriptedInformation d(SampleDump());
    QSignalSpy help(&d, &TSystemInformation::helpRequested);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(d.list(TSystemInformation::OsPage), &release);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help[0][0].toString(), QStringLiteral("SysInfo"));
}
