#include "console/Tokenizer.h"

#include <algorithm>

#include "console/Symbols.h"
#include "console/TokenKind.h"

namespace script {

// Only codes 0 to 127 are classified; anything above starts no token.
bool IsAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

bool IsAsciiDigit(QChar c) {
    const char16_t u = c.unicode();
    return u >= '0' && u <= '9';
}

Tokenizer::Tokenizer(const QString& text, int start)
    : text_(text), cursor_(std::clamp<int>(start, 0, int(text.size()))), mark_(cursor_) {}

int Tokenizer::NumberLength(int i) const {
    const int start = i;
    bool digits = false;
    while (IsAsciiDigit(At(i))) ++i, digits = true;
    if (At(i) == QLatin1Char('.')) {
        int j = i + 1;
        bool fraction = false;
        while (IsAsciiDigit(At(j))) ++j, fraction = true;
        if (digits || fraction) {
            i = j;
            digits = true;
        }
    }
    if (!digits) return 0;
    if (At(i) == QLatin1Char('e') || At(i) == QLatin1Char('E')) {
        int j = i + 1;
        if (At(j) == QLatin1Char('+') || At(j) == QLatin1Char('-')) ++j;
        if (IsAsciiDigit(At(j))) {
            while (IsAsciiDigit(At(j))) ++j;
            i = j;
        }
    }
    return i - start;
}

Token Tokenizer::Next() {
    Token token;
    mark_ = cursor_;
    while (Current() == QLatin1Char(' ') || Current() == QLatin1Char('\t')) ++cursor_;
    const QChar c = Current();
    if (c.isNull() || c == QLatin1Char('\'')) return token;

    switch (c.unicode()) {
        case '(':
            token.kind = kOpen;
            break;
        case ')':
            token.kind = kClose;
            break;
        case '+':
            token.kind = kAdd;
            break;
        case '-':
            token.kind = kSubtract;
            break;
        case '&':
            token.kind = kConcat;
            break;
        case '/':
            token.kind = kDivide;
            break;
        case '*':
            token.kind = kMultiply;
            break;
        case '=':
            token.kind = kEqual;
            break;
        case '<':
            token.kind = kLess;
            break;
        case '>':
            token.kind = kGreater;
            break;
        case '^':
            token.kind = kPower;
            break;
        case '\\':
            token.kind = kIntDivide;
            break;
        case ':':
            token.kind = kColon;
            break;
        case ',':
            token.kind = kComma;
            break;
        default:
            break;
    }
    if (token.kind != kNone) {
        token.text = c;
        ++cursor_;
        const QChar n = Current();
        if (c == QLatin1Char('<') && n == QLatin1Char('='))
            token.kind = kLessEqual;
        else if (c == QLatin1Char('<') && n == QLatin1Char('>'))
            token.kind = kNotEqual;
        else if (c == QLatin1Char('>') && n == QLatin1Char('='))
            token.kind = kGreaterEqual;
        if (token.kind == kLessEqual || token.kind == kNotEqual || token.kind == kGreaterEqual) {
            token.text += n;
            ++cursor_;
        }
        return token;
    }

    if (c == QLatin1Char('"')) {
        ++cursor_;
        token.kind = kString;
        token.quoted = true;
        while (!Current().isNull() && Current() != QLatin1Char('\n') &&
               Current() != QLatin1Char('\r')) {
            if (Current() == QLatin1Char('"')) {
                ++cursor_;
                if (Current() != QLatin1Char('"')) return token;
            }
            token.text += Current();
            ++cursor_;
        }
        return token;
    }

    if (c == QLatin1Char('.') && !IsAsciiDigit(At(cursor_ + 1))) {
        ++cursor_;
        token.kind = kDot;
        token.text = QStringLiteral(".");
        return token;
    }

    if (IsAsciiDigit(c) || c == QLatin1Char('.')) {
        const int length = NumberLength(cursor_);
        token.kind = kConstant;
        token.text = text_.mid(cursor_, length);
        cursor_ += length;
        const QChar s = Current();
        if (s == QLatin1Char('!') || s == QLatin1Char('#') || s == QLatin1Char('&') ||
            s == QLatin1Char('%')) {
            token.text += s;
            ++cursor_;
        }
        return token;
    }

    if (IsAsciiLetter(c) || c == QLatin1Char('_')) {
        const int start = cursor_;
        while (IsAsciiLetter(Current()) || IsAsciiDigit(Current()) || Current() == QLatin1Char('_'))
            ++cursor_;
        // A longer name is read whole but keeps only what the name buffer holds.
        token.text = text_.mid(start, std::min(cursor_ - start, kMaxNameLength));
        const QChar s = Current();
        if (s == QLatin1Char('$') || s == QLatin1Char('&') || s == QLatin1Char('%') ||
            s == QLatin1Char('#'))
            ++cursor_;
        const int keyword = KeywordByName(token.text);
        token.kind = keyword ? keyword : kSymbol;
        return token;
    }
    // Anything else starts no token; nothing is consumed.
    return token;
}

int Tokenizer::Peek() {
    const int cursor = cursor_, mark = mark_;
    const int kind = Next().kind;
    cursor_ = cursor;
    mark_ = mark;
    return kind;
}

}  // namespace script
