#include "core/Prompter.h"
#include "support/TestSupport.h"

class PrompterTest : public ServicesTest {};

TEST_F(PrompterTest, BoxesCarryTheirCaptionsAndIcons) {
    ReportError("Could not load %s", "x.obj");
    ShowError(QStringLiteral("bad"), QStringLiteral("OE"));
    ShowErrorText(QStringLiteral("worse"));
    ShowInfo(QStringLiteral("fine"), QStringLiteral("Note"));
    ASSERT_EQ(prompter.calls.size(), 4u);
    EXPECT_EQ(prompter.calls[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter.calls[0].text, QStringLiteral("Could not load x.obj"));
    EXPECT_EQ(prompter.calls[0].icon, MessageIcon::Information);
    EXPECT_EQ(prompter.calls[1].icon, MessageIcon::Stop);
    EXPECT_EQ(prompter.calls[2].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter.calls[3].caption, QStringLiteral("Note"));

    prompter.answer = MessageResult::Yes;
    EXPECT_TRUE(AskYesNo(QStringLiteral("Safe mode?"), QStringLiteral("Orbivale")));
    prompter.answer = MessageResult::No;
    EXPECT_FALSE(AskYesNo(QStringLiteral("Safe mode?"), QStringLiteral("Orbivale")));
    EXPECT_EQ(prompter.calls.back().buttons, MessageButtons::YesNo);
}

TEST_F(PrompterTest, AssertOkContinuesCancelAborts) {
    prompter.answer = MessageResult::Ok;
    AssertReport("Surface", "No Surface", "Surface", 12);
    ASSERT_EQ(prompter.calls.size(), 1u);
    EXPECT_EQ(
        prompter.calls[0].text,
        QStringLiteral(
            "Assert failure in file Surface at line 12.\nExpression=Surface\nReason=No Surface\n"));
    EXPECT_EQ(prompter.calls[0].buttons, MessageButtons::OkCancel);
    prompter.answer = MessageResult::Cancel;
    EXPECT_THROW(AssertReport("a", "b", "c", 1), SilentAbort);
}

TEST(ConsolePrompter, AnswersSafely) {
    ConsolePrompter p;
    EXPECT_EQ(p.show(QStringLiteral("Q"), QStringLiteral("?"), MessageButtons::YesNo,
                     MessageIcon::Question),
              MessageResult::No);
    EXPECT_EQ(p.show(QStringLiteral("Assert"), QStringLiteral("!"), MessageButtons::OkCancel,
                     MessageIcon::Exclamation),
              MessageResult::Ok);
}
