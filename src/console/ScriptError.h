#pragma once

#include <QString>
#include <stdexcept>

namespace script {

// Every failure of the console and of its expression language; caught once per entry, and
// its message printed in the transcript.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

// An expression that does not reduce to one value.
class SyntaxError : public Error {
  public:
    SyntaxError() : Error(QStringLiteral("Syntax Error")) {}
};

}  // namespace script
