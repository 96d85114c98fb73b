#include "console/Evaluator.h"

#include <cmath>
#include <limits>

#include "console/ScriptError.h"
#include "console/TokenKind.h"

namespace script {

namespace {

Error InvalidOperation() {
    return Error(QStringLiteral("invalid operation"));
}

// An operand must give a value; a name, a power or a comparison gives none.
Element ValueOf(const Node& node) {
    std::optional<Element> value = Evaluate(node);
    if (!value) throw Error(QStringLiteral("Operand has no value"));
    return std::move(*value);
}

// Wrapping 64-bit arithmetic, as the integer results are defined.
std::int64_t Wrap(std::uint64_t v) {
    return static_cast<std::int64_t>(v);
}

Element Arithmetic(const Node& node) {
    if (node.children().size() != 2) throw SyntaxError();
    Element l = ValueOf(*node.children()[0]);
    Element r = ValueOf(*node.children()[1]);
    Element::Reconcile(l, r);
    const int kind = node.kind();
    if (IsIntegerType(l.code())) {
        const std::int64_t a = l.ToInt64(), b = r.ToInt64();
        const auto ua = std::uint64_t(a), ub = std::uint64_t(b);
        switch (kind) {
            case kAdd:
                return Element(Wrap(ua + ub));
            case kSubtract:
                return Element(Wrap(ua - ub));
            case kMultiply:
                return Element(Wrap(ua * ub));
            default:
                if (b == 0) throw Error(QStringLiteral("Integer division by zero"));
                // The one quotient that does not fit wraps like the others.
                if (a == std::numeric_limits<std::int64_t>::min() && b == -1) return Element(a);
                return Element(std::int64_t(a / b));
        }
    }
    if (IsRealType(l.code())) {
        const double a = l.ToDouble(), b = r.ToDouble();
        switch (kind) {
            case kAdd:
                return Element(a + b);
            case kSubtract:
                return Element(a - b);
            case kMultiply:
                return Element(a * b);
            default:
                if (b == 0) throw Error(QStringLiteral("Division by zero"));
                return Element(a / b);
        }
    }
    if (l.code() == vbString && kind == kAdd) return Element(l.ToText() + r.ToText());
    throw InvalidOperation();
}

}  // namespace

std::optional<Element> Evaluate(const Node& node) {
    const auto& children = node.children();
    switch (node.kind()) {
        case kConstant:
            switch (node.typeCode()) {
                case vbInteger:
                case vbLong:
                    return Element(node.integerValue());
                case vbSingle:
                    return Element(float(node.realValue()));
                case vbDouble:
                    return Element(node.realValue());
                case vbString:
                    return Element(node.text());
                default:
                    return std::nullopt;
            }
        case kAdd:
        case kSubtract:
        case kMultiply:
        case kDivide:
            return Arithmetic(node);
        case kConcat: {
            if (children.size() < 2) throw SyntaxError();
            const Element l = ValueOf(*children[0]);
            const Element r = ValueOf(*children[1]);
            return Element(l.ToText() + r.ToText());
        }
        case kUnaryPlus:
            if (children.empty()) throw SyntaxError();
            return Evaluate(*children[0]);
        case kUnaryMinus: {
            if (children.empty()) throw SyntaxError();
            const Element v = ValueOf(*children[0]);
            if (IsIntegerType(v.code())) return Element(Wrap(0 - std::uint64_t(v.ToInt64())));
            if (IsRealType(v.code())) return Element(-v.ToDouble());
            throw InvalidOperation();
        }
        case kBuiltIn: {
            const BuiltIn* entry = node.entry();
            if (!entry || (entry->number != kSinFunction && entry->number != kCosFunction))
                throw Error(QStringLiteral("Function not implemented"));
            // Sin and Cos take one argument, which cannot be left out.
            if (children.empty() || children[0]->kind() == kMissing)
                throw Error(QStringLiteral("Argument not optional"));
            const std::optional<Element> argument = Evaluate(*children[0]);
            if (!argument || !argument->IsNumeric()) throw Error(QStringLiteral("Type mismatch"));
            const double x = argument->ToDouble();
            return Element(entry->number == kSinFunction ? std::sin(x) : std::cos(x));
        }
        default:
            return std::nullopt;
    }
}

}  // namespace script
