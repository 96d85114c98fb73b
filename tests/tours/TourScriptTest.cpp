#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tours/SpeechText.h"
#include "tours/TourScript.h"

namespace {

int CountKind(const TourScript& s, TourStepKind kind) {
    return int(std::count_if(s.steps.begin(), s.steps.end(),
                             [kind](const TourStep& t) { return t.kind == kind; }));
}

// The index of the first step matching, or -1.
int Find(const TourScript& s, const std::function<bool(const TourStep&)>& match) {
    for (std::size_t i = 0; i < s.steps.size(); ++i)
        if (match(s.steps[i])) return int(i);
    return -1;
}

int FindSpeech(const TourScript& s, const QString& start) {
    return Find(s, [&](const TourStep& t) {
        return t.kind == TourStepKind::Speak && t.text.startsWith(start);
    });
}

int FindAction(const TourScript& s, TourAction a, const QString& arg = QString()) {
    return Find(s, [&](const TourStep& t) {
        return t.kind == TourStepKind::Do && t.action == a && (arg.isEmpty() || t.text == arg);
    });
}

void Write(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

}  // namespace

TEST(TourScript, ReadsEveryKindOfStepWithItsArguments) {
    const auto s =
        Tours::Parse(QStringLiteral("# a comment\r\n"
                                    "title  My Tour \n"
                                    "\n"
                                    "place window-point viewer as Home\n"
                                    "place top-right controls.moveto 0 -64\n"
                                    "place @home\n"
                                    "gesture corner controls\n"
                                    "play GestureRight nowait\n"
                                    "play hiding\n"
                                    "speak Press \\Map=\"efF 1\"=\"F1\"\\ now.\n"
                                    "wait 2.5\n"
                                    "sleep 1000\n"
                                    "do speed -60\n"
                                    "do where Sunny Side\n"
                                    "do tab god-like\n"
                                    "do map-labels ON\n"
                                    "do move-camera\n"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->title, QStringLiteral("My Tour"));
    ASSERT_EQ(s->steps.size(), 14u);
    const auto& st = s->steps;
    EXPECT_EQ(st[0].kind, TourStepKind::Place);
    EXPECT_EQ(st[0].point.anchor, TourAnchor::WindowPoint);
    EXPECT_EQ(st[0].point.target, QStringLiteral("viewer"));
    EXPECT_EQ(st[0].rememberAs, QStringLiteral("home"));
    EXPECT_EQ(st[0].line, 4);
    EXPECT_EQ(st[1].point.anchor, TourAnchor::TopRight);
    EXPECT_EQ(st[1].point.offset, QPoint(0, -64));
    EXPECT_EQ(st[2].point.recalled, QStringLiteral("home"));
    EXPECT_EQ(st[3].kind, TourStepKind::Gesture);
    EXPECT_EQ(st[3].point.anchor, TourAnchor::Corner);
    EXPECT_EQ(st[4].animation, TourAnimation::GestureRight);
    EXPECT_FALSE(st[4].wait);
    EXPECT_EQ(st[5].animation, TourAnimation::Hiding);
    EXPECT_TRUE(st[5].wait);
    EXPECT_EQ(st[6].text, QStringLiteral("Press \\Map=\"efF 1\"=\"F1\"\\ now."));
    EXPECT_DOUBLE_EQ(st[7].seconds, 2.5);
    EXPECT_EQ(st[8].milliseconds, 1000);
    EXPECT_EQ(st[9].action, TourAction::Speed);
    EXPECT_EQ(st[9].text, QStringLiteral("-60"));
    EXPECT_EQ(st[10].text, QStringLiteral("Sunny Side"));
    EXPECT_EQ(st[11].text, QStringLiteral("God-like"));  // as the page is named
    EXPECT_EQ(st[12].text, QStringLiteral("on"));
    EXPECT_EQ(st[13].action, TourAction::MoveCamera);
}

TEST(TourScript, RefusesBadFilesSayingWhereAndWhy) {
    struct Case {
        const char* text;
        int line;
        const char* why;
    };
    const Case cases[] = {
        {"", 0, "no 'title'"},
        {"# only a comment\n", 0, "no 'title'"},
        {"title T\n", 0, "no steps"},
        {"speak Hi\n", 0, "no 'title'"},
        {"title A\ntitle B\nspeak x\n", 2, "second 'title'"},
        {"title T\njump viewer\n", 2, "unknown step 'jump'"},
        {"title T\nplace middle viewer\n", 2, "unknown anchor 'middle'"},
        {"title T\nplace centre telescope\n", 2, "unknown window or control 'telescope'"},
        {"title T\nplace centre viewer 5\n", 2, "a point is"},
        {"title T\nplace centre viewer 5 x\n", 2, "offset"},
        {"title T\nplace centre\n", 2, "a point is"},
        {"title T\nplace @home\nplace centre viewer as home\n", 2, "no point was remembered"},
        {"title T\nplay Dance\n", 2, "unknown animation 'Dance'"},
        {"title T\nplay Hiding later\n", 2, "only 'nowait'"},
        {"title T\nplay\n", 2, "'play' wants"},
        {"title T\nspeak\n", 2, "'speak' wants"},
        {"title T\nspeak Hello \\Shout\\ there\n", 2, "unknown speech tag"},
        {"title T\nspeak Hello \\Emp there\n", 2, "not closed"},
        {"title T\nspeak \\Map=\"a\"\\\n", 2, "\\Map\\ wants"},
        {"title T\nspeak \\Map=\"a\"=\"b\n", 2, "not closed"},
        {"title T\nwait soon\n", 2, "'wait' wants"},
        {"title T\nwait -1\n", 2, "'wait' wants"},
        {"title T\nwait 601\n", 2, "'wait' wants"},
        {"title T\nwait nan\n", 2, "'wait' wants"},
        {"title T\nwait inf\n", 2, "'wait' wants"},
        {"title T\nsleep 1.5\n", 2, "'sleep' wants"},
        {"title T\nsleep 60001\n", 2, "'sleep' wants"},
        {"title T\ndo fly Mars\n", 2, "unknown action 'fly'"},
        {"title T\ndo restore kitchen\n", 2, "wants a window"},
        {"title T\ndo speed fast\n", 2, "whole number"},
        {"title T\ndo speed 100000\n", 2, "whole number"},
        {"title T\ndo radii -3\n", 2, "positive number"},
        {"title T\ndo radii nan\n", 2, "positive number"},
        {"title T\ndo radii inf\n", 2, "positive number"},
        {"title T\ndo target\n", 2, "wants a name"},
        {"title T\ndo map-labels maybe\n", 2, "on or off"},
        {"title T\ndo tab Kitchen\n", 2, "page of the Viewer Controls"},
        {"title T\ndo move-camera now\n", 2, "takes nothing"},
        {"title T\ndo\n", 2, "unknown action"},
    };
    for (const Case& c : cases) {
        TourError error;
        EXPECT_FALSE(Tours::Parse(QString::fromUtf8(c.text), &error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_TRUE(error.message.contains(QString::fromUtf8(c.why)))
            << c.text << " -> " << error.text().toStdString();
    }
    // Binary rubbish is refused, not crashed on.
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) junk += char((i * 7919) % 256);
    EXPECT_FALSE(Tours::Parse(QString::fromLatin1(junk)));
    TourError missing;
    EXPECT_FALSE(Tours::ReadFile(QStringLiteral("/no/such/file.tour"), &missing));
    EXPECT_EQ(missing.text(), QStringLiteral("the file cannot be read"));
}

TEST(SpeechText, SaysOneTextShowsAnotherAndStressesWords) {
    const auto a = SpeechText::Parse(
        QStringLiteral("Press the \\Map=\"efF 1\"=\"F1\"\\ key, the \\Emp\\parent window."));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->spoken, QStringLiteral("Press the efF 1 key, the parent window."));
    EXPECT_EQ(a->shown, QStringLiteral("Press the F1 key, the parent window."));
    ASSERT_EQ(a->emphasis.size(), 1u);
    EXPECT_EQ(a->shown.mid(a->emphasis[0].first, a->emphasis[0].second), QStringLiteral("parent"));
    // A stressed mapped word stresses what is shown.
    const auto b =
        SpeechText::Parse(QStringLiteral("the \\Emp\\\\Map=\"Galileyan\"=\"Galilean\"\\ Moons"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->spoken, QStringLiteral("the Galileyan Moons"));
    ASSERT_EQ(b->emphasis.size(), 1u);
    EXPECT_EQ(b->shown.mid(b->emphasis[0].first, b->emphasis[0].second),
              QStringLiteral("Galilean"));
    // Reading time grows with the shown text, not the spoken one.
    const auto shortLine =
        SpeechText::Parse(QStringLiteral("\\Map=\"a very long thing to say\"=\"Hi\"\\"));
    const auto longLine = SpeechText::Parse(QString(200, QLatin1Char('x')));
    EXPECT_LT(shortLine->ReadingTimeMs(), 1500);
    EXPECT_EQ(longLine->ReadingTimeMs() - shortLine->ReadingTimeMs(),
              198 * SpeechText::kReadingPerCharacterMs);
}

TEST(TourScript, TheProgramsToursHoldEveryLineInOrder) {
    QStringList problems;
    const auto tours = Tours::FindTours({QStringLiteral(ORBIVALE_TOURS_DIR)}, &problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    ASSERT_EQ(tours.size(), 3u);
    EXPECT_EQ(tours[0].title, QStringLiteral("General Overview"));
    EXPECT_EQ(tours[1].title, QStringLiteral("Viewer"));
    EXPECT_EQ(tours[2].title, QStringLiteral("Viewer Controls - Main Panel"));

    const auto overview = Tours::ReadFile(tours[0].path);
    ASSERT_TRUE(overview);
    EXPECT_EQ(CountKind(*overview, TourStepKind::Speak), 15);
    EXPECT_EQ(FindSpeech(*overview, QStringLiteral("Hello, this tutorial")), 1);
    // The camera goes to Mercury, set up as the Viewer Controls would be, before the line
    // that says so.
    const int mercury = FindAction(*overview, TourAction::Target, QStringLiteral("Mercury"));
    const int move = FindAction(*overview, TourAction::MoveCamera);
    const int said = FindSpeech(*overview, QStringLiteral("I have moved the camera to Mercury"));
    EXPECT_LT(FindSpeech(*overview, QStringLiteral("The heart of Orbivale")), mercury);
    EXPECT_LT(FindAction(*overview, TourAction::Speed, QStringLiteral("1")), move);
    EXPECT_LT(mercury, move);
    EXPECT_LT(FindAction(*overview, TourAction::Radii, QStringLiteral("10")), move);
    EXPECT_LT(move, said);
    EXPECT_LT(FindAction(*overview, TourAction::MapZoomToCamera),
              FindSpeech(*overview, QStringLiteral("Here I have zoomed the map")));
    EXPECT_LT(FindAction(*overview, TourAction::Minimise, QStringLiteral("map")),
              FindAction(*overview, TourAction::Restore, QStringLiteral("sky")));
    EXPECT_LT(FindAction(*overview, TourAction::Open, QStringLiteral("jupiter")),
              FindAction(*overview, TourAction::Close, QStringLiteral("jupiter")));
    EXPECT_EQ(overview->steps.back().kind, TourStepKind::Wait);
    EXPECT_EQ(overview->steps[overview->steps.size() - 2].animation, TourAnimation::Hiding);

    const auto viewer = Tours::ReadFile(tours[1].path);
    ASSERT_TRUE(viewer);
    EXPECT_EQ(CountKind(*viewer, TourStepKind::Speak), 14);
    EXPECT_EQ(CountKind(*viewer, TourStepKind::Gesture), 4);
    // The Viewer is brought back before the narrator stands by it.
    EXPECT_EQ(FindAction(*viewer, TourAction::Restore, QStringLiteral("viewer")), 0);
    EXPECT_TRUE(viewer->steps.back().text.startsWith(QStringLiteral("It is worth spending")));

    const auto panel = Tours::ReadFile(tours[2].path);
    ASSERT_TRUE(panel);
    EXPECT_EQ(CountKind(*panel, TourStepKind::Speak), 11);
    const int rocket = Find(*panel, [](const TourStep& t) {
        return t.kind == TourStepKind::Place && t.point.target == QLatin1String("controls.moveto");
    });
    ASSERT_GE(rocket, 0);
    EXPECT_EQ(panel->steps[std::size_t(rocket)].point.offset, QPoint(0, -64));
    // Every line of every tour has tags the narrator understands.
    for (const auto* s : {&*overview, &*viewer, &*panel})
        for (const TourStep& t : s->steps)
            if (t.kind == TourStepKind::Speak) {
                EXPECT_TRUE(SpeechText::Parse(t.text)) << t.line;
            }
}

TEST(TourScript, FindsToursInEveryFolderOnceAndReportsBadOnes) {
    QTemporaryDir program, user;
    Write(program.filePath(QStringLiteral("b.tour")), "title Second\nspeak b\n");
    Write(program.filePath(QStringLiteral("a.tour")), "title First\nspeak a\n");
    Write(program.filePath(QStringLiteral("notes.txt")), "title Not a tour\nspeak x\n");
    Write(user.filePath(QStringLiteral("a.tour")), "title Shadowed\nspeak a\n");
    Write(user.filePath(QStringLiteral("c.tour")), "title Mine\nspeak c\n");
    Write(user.filePath(QStringLiteral("broken.tour")), "title Broken\nfly away\n");
    QStringList problems;
    const auto tours = Tours::FindTours(
        {program.path(), user.path(), QStringLiteral("/no/such/folder")}, &problems);
    QStringList titles;
    for (const auto& t : tours) titles << t.title;
    EXPECT_EQ(titles, (QStringList{QStringLiteral("First"), QStringLiteral("Second"),
                                   QStringLiteral("Mine")}));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0], QStringLiteral("broken.tour: line 2: unknown step 'fly'"));
}
