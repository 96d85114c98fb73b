#pragma once

#include <QString>
#include <cstdint>

#include "console/StockType.h"

namespace script {

// A typed value: what evaluating an expression gives.
class Element {
  public:
    explicit Element(std::int64_t value);                 // long
    explicit Element(double value, int code = vbDouble);  // double or date
    explicit Element(float value);                        // single
    explicit Element(const QString& text);                // text
    static Element Byte(signed char c);

    const StockType* type() const { return type_; }
    int code() const { return type_->code; }
    std::int64_t integer() const { return integer_; }
    double real() const { return real_; }
    float single() const { return single_; }
    const QString& text() const { return text_; }

    std::int64_t ToInt64() const;
    double ToDouble() const;
    QString ToText() const;
    bool IsNumeric() const { return IsNumericType(code()); }

    // Makes the pair fit for binary arithmetic: a towards b's type, else b towards a's;
    // throws "Types incompatible" when neither works.
    static void Reconcile(Element& a, Element& b);

  private:
    Element() = default;
    // One attempt at converting this element towards the type code; false when it cannot.
    bool ConvertToward(int target);

    const StockType* type_ = StockTypeOf(vbEmpty);
    std::int64_t integer_ = 0;  // integer types, and a text's length
    double real_ = 0;           // double and date
    float single_ = 0;          // single
    QString text_;              // text
};

// The general float-to-text form: up to 15 significant digits, exponent as "1E20".
QString FormatGeneral(double value);

}  // namespace script
