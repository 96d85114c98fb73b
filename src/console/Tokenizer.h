#pragma once

#include <QString>

namespace script {

struct Token {
    int kind = 0;
    QString text;
    // A double-quoted text literal: kind 41 like the keyword "String", told apart here.
    bool quoted = false;
};

// Reads the tokens of one expression text. It never fails: a character that starts no
// token ends the stream (kind 0), and an unclosed text ends at the line's end.
class Tokenizer {
  public:
    static constexpr int kMaxNameLength = 511;

    explicit Tokenizer(const QString& text, int start = 0);

    Token Next();
    int NextKind() { return Next().kind; }
    // The kind of the next token; nothing is consumed.
    int Peek();
    // Makes the token last read be read again.
    void BackUp() { cursor_ = mark_; }
    // The character at the cursor (null at the end), and a step over it.
    QChar Current() const { return cursor_ < text_.size() ? text_[cursor_] : QChar(); }
    void Advance() {
        if (cursor_ < text_.size()) ++cursor_;
    }
    int cursor() const { return cursor_; }
    const QString& text() const { return text_; }

  private:
    QChar At(int i) const { return i < text_.size() ? text_[i] : QChar(); }
    // Length of the longest decimal number at i: digits, one point, an exponent with sign.
    int NumberLength(int i) const;

    QString text_;
    int cursor_ = 0;
    int mark_ = 0;
};

bool IsAsciiLetter(QChar c);
bool IsAsciiDigit(QChar c);

}  // namespace script
