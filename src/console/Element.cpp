#include "console/Element.h"

#include <charconv>
#include <cmath>

#include "console/ScriptError.h"
#include "core/Numbers.h"

namespace script {

Element::Element(std::int64_t value) : type_(StockTypeOf(vbLong)), integer_(value) {}

Element::Element(double value, int code) : type_(StockTypeOf(code)), real_(value) {}

Element::Element(float value) : type_(StockTypeOf(vbSingle)), single_(value) {}

Element::Element(const QString& text)
    : type_(StockTypeOf(vbString)), integer_(text.size()), text_(text) {}

Element Element::Byte(signed char c) {
    Element e;
    e.type_ = StockTypeOf(vbByte);
    e.integer_ = c;
    return e;
}

std::int64_t Element::ToInt64() const {
    switch (code()) {
        case vbInteger:
        case vbLong:
        case vbByte:
            return integer_;
        case vbSingle:
        case vbDouble:
        case vbDate: {
            const double v = code() == vbSingle ? double(single_) : real_;
            // Truncation toward zero; beyond the 64-bit range (or NaN) there is no integer.
            if (!(std::fabs(v) < 9.2233720368547758e18)) return 0;
            return static_cast<std::int64_t>(v);
        }
        case vbString: {
            bool ok = false;
            const qlonglong v = text_.toLongLong(&ok);
            return ok ? v : 0;
        }
        default:
            return 0;
    }
}

double Element::ToDouble() const {
    switch (code()) {
        case vbInteger:
        case vbLong:
        case vbByte:
            return double(integer_);
        case vbSingle:
            return double(single_);
        case vbDouble:
        case vbDate:
            return real_;
        case vbString:
            return ConvertToDouble(text_, 0);
        default:
            return 0;
    }
}

QString Element::ToText() const {
    switch (code()) {
        case vbInteger:
        case vbLong:
            return QString::number(integer_);
        case vbSingle:
            return FormatGeneral(double(single_));
        case vbDouble:
        case vbDate:
            return FormatGeneral(real_);
        case vbString:
            return text_;
        case vbByte:
            return QString(QChar(ushort(static_cast<unsigned char>(integer_))));
        default:
            return QStringLiteral("*Unknown*");
    }
}

bool Element::ConvertToward(int target) {
    int from = code();
    if (from == target) return true;
    if ((from == vbInteger || from == vbByte) && target == vbLong) {
        type_ = StockTypeOf(vbLong);
        from = vbLong;
    }
    if ((from == vbInteger || from == vbByte || from == vbLong) && target == vbSingle) {
        single_ = float(integer_);
        type_ = StockTypeOf(vbSingle);
        from = vbSingle;
    }
    if (from == vbInteger || from == vbByte || from == vbLong || from == vbSingle) {
        if (target == vbDouble || target == vbDate) {
            real_ = ToDouble();
            type_ = StockTypeOf(target);
        } else if (target == vbString) {
            text_ = ToText();
            integer_ = text_.size();
            type_ = StockTypeOf(vbString);
        }
        return true;
    }
    return false;
}

void Element::Reconcile(Element& a, Element& b) {
    if (a.ConvertToward(b.code())) return;
    if (b.ConvertToward(a.code())) return;
    throw Error(QStringLiteral("Types incompatible"));
}

QString FormatGeneral(double value) {
    if (std::isnan(value)) return QStringLiteral("NAN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    // Independent of the C library's locale: always a dot.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    const int e = text.indexOf(QLatin1Char('e'));
    if (e < 0) return text;
    // "1e+20" -> "1E20", "1e-05" -> "1E-5".
    QString mantissa = text.left(e);
    QString exponent = text.mid(e + 1);
    QString sign;
    if (exponent.startsWith(QLatin1Char('+'))) {
        exponent.remove(0, 1);
    } else if (exponent.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        exponent.remove(0, 1);
    }
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
    return mantissa + QLatin1Char('E') + sign + exponent;
}

}  // namespace script
