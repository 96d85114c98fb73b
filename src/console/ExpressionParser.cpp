#include "console/ExpressionParser.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "console/ScriptError.h"
#include "console/TokenKind.h"

namespace script {

namespace {

constexpr std::int64_t kLargestConstant = 2147483647;
constexpr std::int64_t kLargestInt = 32767;

QString TooComplex() {
    return QStringLiteral("Expression too complex");
}

std::unique_ptr<Node> IntegerConstant(std::int64_t value, bool forceLong) {
    auto node = std::make_unique<Node>(kConstant);
    node->setType(StockTypeOf(forceLong || value > kLargestInt ? vbLong : vbInteger));
    node->SetIntegerValue(value);
    return node;
}

// The operand and operator stacks of one level of the parse.
class ExprStack {
  public:
    void PushOperand(std::unique_ptr<Node> node) { operands_.push_back(std::move(node)); }
    std::unique_ptr<Node> PopOperand() {
        // An operator with nothing to work on: the expression is malformed.
        if (operands_.empty()) throw SyntaxError();
        auto node = std::move(operands_.back());
        operands_.pop_back();
        return node;
    }
    int operandCount() const { return int(operands_.size()); }

    // Reduces every waiting operator that binds at least as tightly, then pushes this one.
    // A prefix sign has nothing on its left to bind, so it reduces nothing: "- -3" is 3.
    void PushOperator(std::unique_ptr<Node> node, bool prefix = false) {
        if (!prefix)
            while (!operators_.empty() && operators_.back()->precedence() >= node->precedence())
                Reduce();
        operators_.push_back(std::move(node));
    }

    // The floor and the closing operator are never reduced (precedences 0 and 1 stop it).
    void PushFloor() { operators_.push_back(std::make_unique<Node>(kOpen)); }

  private:
    void Reduce() {
        std::unique_ptr<Node> op = std::move(operators_.back());
        operators_.pop_back();
        std::unique_ptr<Node> right = PopOperand();
        const int kind = op->kind();
        if (kind == kUnaryPlus || kind == kUnaryMinus) {
            op->setType(right->type());
            Attach(*op, std::move(right));
        } else {
            std::unique_ptr<Node> left = PopOperand();
            if (kind >= kEqual && kind <= kGreaterEqual) {
                op->setType(StockTypeOf(vbBoolean));
            } else if (kind == kDot) {
                op->setType(StockTypeOf(vbInteger));
            } else if (!op->type() || op->type()->code == vbEmpty) {
                // The higher-ranked operand's type; a tie goes to the right. An operand with
                // no type (a name) leaves the choice to the other.
                const StockType* l = left->type();
                const StockType* r = right->type();
                if (!l)
                    op->setType(r);
                else if (!r)
                    op->setType(l);
                else
                    op->setType(TypeRank(l->code) > TypeRank(r->code) ? l : r);
            }
            Attach(*op, std::move(left));
            Attach(*op, std::move(right));
        }
        operands_.push_back(std::move(op));
    }

    static void Attach(Node& parent, std::unique_ptr<Node> child) {
        if (child->height() + 1 > kMaxTreeHeight) throw Error(TooComplex());
        parent.AddChild(std::move(child));
    }

    std::vector<std::unique_ptr<Node>> operands_;
    std::vector<std::unique_ptr<Node>> operators_;
};

class Parser {
  public:
    explicit Parser(Tokenizer& tokenizer) : tz_(tokenizer) {}

    std::unique_ptr<Node> Level(int depth) {
        if (depth > kMaxNesting) throw Error(TooComplex());
        ExprStack stack;
        stack.PushFloor();
        bool operandSeen = false;
        for (bool more = true; more;) {
            const Token token = tz_.Next();
            switch (token.kind) {
                case kNone:
                    more = false;
                    break;
                case kComma:
                case kClose:
                case kColon:
                case kThen:
                case kTo:
                    tz_.BackUp();
                    more = false;
                    break;
                case kConstant:
                    stack.PushOperand(MakeNumberConstant(token.text));
                    operandSeen = true;
                    break;
                case kAdd:
                case kSubtract:
                    if (operandSeen)
                        stack.PushOperator(std::make_unique<Node>(token.kind));
                    else
                        stack.PushOperator(
                            std::make_unique<Node>(token.kind == kAdd ? kUnaryPlus : kUnaryMinus),
                            true);
                    operandSeen = false;
                    break;
                case kMultiply:
                case kDivide:
                case kPower:
                case kIntDivide:
                case kEqual:
                case kNotEqual:
                case kLess:
                case kGreater:
                case kLessEqual:
                case kGreaterEqual:
                    if (operandSeen) {
                        stack.PushOperator(std::make_unique<Node>(token.kind));
                        operandSeen = false;
                    } else {
                        tz_.BackUp();
                        more = false;
                    }
                    break;
                case kDot:
                    stack.PushOperator(std::make_unique<Node>(kDot));
                    operandSeen = false;
                    break;
                case kConcat:
                    if (operandSeen) {
                        stack.PushOperator(std::make_unique<Node>(kConcat));
                        operandSeen = false;
                    } else if (auto number = RadixNumber()) {
                        stack.PushOperand(std::move(number));
                        operandSeen = true;
                    } else {
                        more = false;
                    }
                    break;
                case kOpen: {
                    std::unique_ptr<Node> inner = Level(depth + 1);
                    if (tz_.NextKind() != kClose) {
                        tz_.BackUp();
                        more = false;
                        break;
                    }
                    stack.PushOperand(std::move(inner));
                    operandSeen = true;
                    break;
                }
                case kSymbol:
                    stack.PushOperand(Name(token.text, depth));
                    operandSeen = true;
                    break;
                default:
                    // The keyword String shares its kind with text literals.
                    if (token.kind == kString && token.quoted) {
                        auto text = std::make_unique<Node>(kConstant);
                        text->setType(StockTypeOf(vbString));
                        text->setText(token.text);
                        stack.PushOperand(std::move(text));
                        operandSeen = true;
                        break;
                    }
                    throw Error(QStringLiteral("Unexpected token"));
            }
        }
        stack.PushOperator(std::make_unique<Node>(kClose));
        if (stack.operandCount() != 1) throw SyntaxError();
        return stack.PopOperand();
    }

  private:
    // "&H1F" and "&O17" after a "&" that has no left operand; null (and the expression
    // ends) when neither follows.
    std::unique_ptr<Node> RadixNumber() {
        const QChar c = tz_.Current().toUpper();
        std::int64_t value = 0;
        bool forceLong = false;
        auto accumulate = [&value](int base, int digit) {
            value = std::min(value * base + digit, kLargestConstant);
        };
        if (c == QLatin1Char('H')) {
            tz_.Advance();
            for (;;) {
                const int digit = QString(tz_.Current()).toInt(nullptr, 16);
                const QChar d = tz_.Current();
                const bool hex = IsAsciiDigit(d) || (d.toUpper() >= QLatin1Char('A') &&
                                                     d.toUpper() <= QLatin1Char('F'));
                if (!hex) break;
                accumulate(16, digit);
                tz_.Advance();
            }
        } else if (c == QLatin1Char('O')) {
            tz_.Advance();
            const Token number = tz_.Next();
            if (number.kind != kConstant) {
                tz_.BackUp();
                return nullptr;
            }
            for (const QChar d : number.text) {
                if (d < QLatin1Char('0') || d > QLatin1Char('7')) break;
                accumulate(8, d.unicode() - '0');
            }
            forceLong = number.text.endsWith(QLatin1Char('&'));
        } else {
            tz_.BackUp();
            return nullptr;
        }
        if (tz_.Current() == QLatin1Char('&')) {
            tz_.Advance();
            forceLong = true;
        }
        return IntegerConstant(value, forceLong);
    }

    // A name, with its argument list when "(" follows: a built-in call or an identifier.
    std::unique_ptr<Node> Name(const QString& name, int depth) {
        std::vector<std::unique_ptr<Node>> arguments;
        if (tz_.Peek() == kOpen) {
            tz_.Next();
            bool closed = false, expectArgument = true, afterComma = false;
            for (;;) {
                const int next = tz_.Peek();
                if (next == kClose) {
                    tz_.Next();
                    // "f(1,)": the argument after the last comma was left out.
                    if (afterComma) arguments.push_back(std::make_unique<Node>(kMissing));
                    closed = true;
                    break;
                }
                if (next == kComma) {
                    tz_.Next();
                    if (expectArgument) arguments.push_back(std::make_unique<Node>(kMissing));
                    expectArgument = afterComma = true;
                    continue;
                }
                if (next == kNone || !expectArgument) break;
                arguments.push_back(Level(depth + 1));
                expectArgument = afterComma = false;
            }
            if (!closed) throw Error(QStringLiteral("Expected )"));
        }
        std::unique_ptr<Node> node;
        if (const BuiltIn* entry = BuiltInByName(name)) {
            node = std::make_unique<Node>(kBuiltIn);
            node->setEntry(entry);
            if (entry->resultType != kFirstArgumentType)
                node->setType(StockTypeOf(entry->resultType));
            else if (!arguments.empty())
                node->setType(arguments.front()->type());
            // Without an argument there is no type to take: the call has none.
        } else {
            node = std::make_unique<Node>(kIdentifier);
            node->setText(name);
        }
        for (auto& a : arguments) {
            if (a->height() + 1 > kMaxTreeHeight) throw Error(TooComplex());
            node->AddChild(std::move(a));
        }
        return node;
    }

    Tokenizer& tz_;
};

}  // namespace

std::unique_ptr<Node> MakeNumberConstant(const QString& text) {
    const QChar last = text.isEmpty() ? QChar() : text.back();
    QString digits = text;
    if (last == QLatin1Char('!') || last == QLatin1Char('#') || last == QLatin1Char('&') ||
        last == QLatin1Char('%'))
        digits.chop(1);
    const std::string s = digits.toStdString();
    double value = 0;
    // Always with a dot, whatever the C library's locale.
    const auto result = std::from_chars(s.data(), s.data() + s.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        throw Error(QStringLiteral("Number Range Invalid"));
    if (result.ec != std::errc()) throw SyntaxError();
    const bool real = last == QLatin1Char('#') || last == QLatin1Char('!');
    if (value == std::trunc(value) && value <= double(kLargestConstant) && !real &&
        !text.contains(QLatin1Char('.')))
        return IntegerConstant(std::int64_t(value), last == QLatin1Char('&'));
    auto node = std::make_unique<Node>(kConstant);
    if (last == QLatin1Char('!')) {
        node->setType(StockTypeOf(vbSingle));
        node->SetRealValue(double(float(value)));
    } else {
        node->setType(StockTypeOf(vbDouble));
        node->SetRealValue(value);
    }
    return node;
}

std::unique_ptr<Node> ParseExpression(Tokenizer& tokenizer) {
    return Parser(tokenizer).Level(0);
}

}  // namespace script
