#include "core/Prompter.h"

#include <cstdarg>
#include <cstdio>

#include "core/Services.h"
#include "core/Text.h"

MessageResult ConsolePrompter::show(const QString& caption, const QString& text,
                                    MessageButtons buttons, MessageIcon) {
    ++shown_;
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageResult::Ok;
        case MessageButtons::OkCancel:
            return MessageResult::Ok;
        case MessageButtons::YesNo:
            return MessageResult::No;
    }
    return MessageResult::Ok;
}

namespace {
MessageResult Show(const QString& caption, const QString& text, MessageButtons b, MessageIcon i) {
    return Services::instance().prompter().show(caption, text, b, i);
}
}  // namespace

void ReportError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    const QString text = FormatTextV(format, args);
    va_end(args);
    Show(QStringLiteral("Error"), text, MessageButtons::Ok, MessageIcon::Information);
}

void ShowError(const QString& text, const QString& caption) {
    Show(caption, text, MessageButtons::Ok, MessageIcon::Stop);
}

void ShowErrorText(const QString& text) {
    ShowError(text, QStringLiteral("Error"));
}

void ShowInfo(const QString& text, const QString& caption) {
    Show(caption, text, MessageButtons::Ok, MessageIcon::Information);
}

bool AskYesNo(const QString& text, const QString& caption) {
    return Show(caption, text, MessageButtons::YesNo, MessageIcon::Question) == MessageResult::Yes;
}

void AssertReport(const char* expression, const char* reason, const char* file, int line) {
    const QString text =
        FormatText("Assert failure in file %s at line %d.\nExpression=%s\nReason=%s\n", file, line,
                   expression, reason);
    if (Show(QStringLiteral("Assert"), text, MessageButtons::OkCancel, MessageIcon::Exclamation) ==
        MessageResult::Cancel)
        throw SilentAbort{};
}
