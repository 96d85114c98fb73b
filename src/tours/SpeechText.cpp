#include "tours/SpeechText.h"

namespace {

// Reads a double-quoted text starting at `at`; advances past the closing quote.
std::optional<QString> Quoted(const QString& s, qsizetype& at) {
    if (at >= s.size() || s[at] != QLatin1Char('"')) return std::nullopt;
    const qsizetype end = s.indexOf(QLatin1Char('"'), at + 1);
    if (end < 0) return std::nullopt;
    QString text = s.mid(at + 1, end - at - 1);
    at = end + 1;
    return text;
}

}  // namespace

std::optional<SpeechText> SpeechText::Parse(const QString& tagged, QString* error) {
    auto fail = [error](const QString& why) -> std::optional<SpeechText> {
        if (error) *error = why;
        return std::nullopt;
    };
    SpeechText out;
    bool stressNext = false;
    qsizetype i = 0;
    while (i < tagged.size()) {
        const QChar c = tagged[i];
        if (c != QLatin1Char('\\')) {
            if (stressNext && !c.isSpace()) {
                // The stressed word runs to the next space or tag.
                qsizetype end = i;
                while (end < tagged.size() && !tagged[end].isSpace() &&
                       tagged[end] != QLatin1Char('\\'))
                    ++end;
                const QString word = tagged.mid(i, end - i);
                out.emphasis.emplace_back(int(out.shown.size()), int(word.size()));
                out.spoken += word;
                out.shown += word;
                stressNext = false;
                i = end;
                continue;
            }
            out.spoken += c;
            out.shown += c;
            ++i;
            continue;
        }
        const qsizetype close = tagged.indexOf(QLatin1Char('\\'), i + 1);
        if (close < 0) return fail(QStringLiteral("a speech tag is not closed with '\\'"));
        const QString tag = tagged.mid(i + 1, close - i - 1);
        if (tag.compare(QLatin1String("Emp"), Qt::CaseInsensitive) == 0) {
            stressNext = true;
        } else if (tag.startsWith(QLatin1String("Map="), Qt::CaseInsensitive)) {
            qsizetype at = 4;
            const auto said = Quoted(tag, at);
            if (!said || at >= tag.size() || tag[at] != QLatin1Char('='))
                return fail(QStringLiteral("\\Map\\ wants \\Map=\"spoken\"=\"shown\"\\"));
            ++at;
            const auto shown = Quoted(tag, at);
            if (!shown || at != tag.size())
                return fail(QStringLiteral("\\Map\\ wants \\Map=\"spoken\"=\"shown\"\\"));
            out.spoken += *said;
            if (stressNext) {
                out.emphasis.emplace_back(int(out.shown.size()), int(shown->size()));
                stressNext = false;
            }
            out.shown += *shown;
        } else {
            return fail(QStringLiteral("unknown speech tag '\\%1\\'").arg(tag));
        }
        i = close + 1;
    }
    out.spoken = out.spoken.simplified();
    return out;
}

int SpeechText::ReadingTimeMs() const {
    return kReadingBaseMs + kReadingPerCharacterMs * int(shown.size());
}
