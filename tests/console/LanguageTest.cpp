#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>

#include "console/Element.h"
#include "console/Evaluator.h"
#include "console/ExpressionParser.h"
#include "console/HashTable.h"
#include "console/ScriptError.h"
#include "console/StockType.h"
#include "console/Symbols.h"
#include "console/TokenKind.h"
#include "console/Tokenizer.h"

using namespace script;

namespace {

QStringList Tokens(const QString& text) {
    Tokenizer t(text);
    QStringList out;
    for (int i = 0; i < 50; ++i) {
        const Token token = t.Next();
        out << QString::number(token.kind) + QLatin1Char(':') + token.text;
        if (token.kind == kNone) break;
    }
    return out;
}

std::unique_ptr<Node> Parse(const QString& text) {
    Tokenizer t(text);
    return ParseExpression(t);
}

// The printed tree, one line per node, children indented two blanks a level.
QStringList Tree(const QString& text) {
    QStringList lines;
    std::function<void(const Node&, int)> walk = [&](const Node& n, int depth) {
        lines << QString(2 * depth, QLatin1Char(' ')) + Describe(n);
        for (const auto& c : n.children()) walk(*c, depth + 1);
    };
    walk(*Parse(text), 0);
    return lines;
}

// "long 6", "double 1.5", "vbString a1", "none", or "error: message".
QString Value(const QString& text) {
    try {
        const std::optional<Element> v = Evaluate(*Parse(text));
        if (!v) return QStringLiteral("none");
        return TypeName(v->code()) + QLatin1Char(' ') + v->ToText();
    } catch (const Error& e) {
        return QStringLiteral("error: ") + e.message();
    }
}

}  // namespace

TEST(ScriptTokens, OperatorsTextsNumbersAndNames) {
    EXPECT_EQ(Tokens(QStringLiteral("<= <> >= =< =")),
              (QStringList{"14:<=", "11:<>", "15:>=", "10:=", "12:<", "10:=", "0:"}));
    // Two quotes in a row stand for one; an unclosed text ends at the line's end.
    EXPECT_EQ(Tokens(QStringLiteral("\"a\"\"b\" \"open")),
              (QStringList{"41:a\"b", "41:open", "0:"}));
    EXPECT_EQ(Tokens(QStringLiteral("\"x\ny")), (QStringList{"41:x", "0:"}));
    EXPECT_EQ(
        Tokens(QStringLiteral("1.5e3# 12% 7& .5 1e+ 2.")),
        (QStringList{"1:1.5e3#", "1:12%", "1:7&", "1:.5", "1:1", "35:e", "2:+", "1:2.", "0:"}));
    // Decimal only: "0x10" is the number 0 followed by a name.
    EXPECT_EQ(Tokens(QStringLiteral("0x10")), (QStringList{"1:0", "35:x10", "0:"}));
    EXPECT_EQ(Tokens(QStringLiteral("Left$(a.b) x' comment")),
              (QStringList{"35:Left", "24:(", "35:a", "26:.", "35:b", "25:)", "35:x", "0:"}));
    EXPECT_EQ(Tokens(QStringLiteral("then THEN Then Currency Currancy String")),
              (QStringList{"119:then", "119:THEN", "119:Then", "35:Currency", "45:Currancy",
                           "41:String", "0:"}));
    // Characters that start no token end the stream without consuming anything.
    Tokenizer t(QStringLiteral("  @1"));
    EXPECT_EQ(t.NextKind(), kNone);
    EXPECT_EQ(t.Current(), QLatin1Char('@'));
    EXPECT_EQ(Tokens(QStringLiteral("é")), (QStringList{"0:"}));
    // A name is read whole but keeps 511 characters.
    Tokenizer longName(QString(600, QLatin1Char('a')) + QStringLiteral("+1"));
    EXPECT_EQ(longName.Next().text.size(), 511);
    EXPECT_EQ(longName.NextKind(), kAdd);
}

TEST(ScriptTokens, PeekAndBackUpLeaveTheStreamAsItWas) {
    Tokenizer t(QStringLiteral("  12 + x"));
    EXPECT_EQ(t.Peek(), kConstant);
    EXPECT_EQ(t.Next().text, QStringLiteral("12"));
    EXPECT_EQ(t.NextKind(), kAdd);
    t.BackUp();
    EXPECT_EQ(t.NextKind(), kAdd);
    EXPECT_EQ(t.Next().text, QStringLiteral("x"));
    EXPECT_EQ(t.NextKind(), kNone);
}

TEST(ScriptTypes, TableAndKindNames) {
    EXPECT_EQ(TypeName(vbInteger), QStringLiteral("int"));
    EXPECT_EQ(TypeName(vbSingle), QStringLiteral("float"));
    EXPECT_EQ(TypeName(vbByte), QStringLiteral("char"));
    EXPECT_EQ(TypeName(15), QStringLiteral("Invalid"));
    EXPECT_EQ(TypeSize(vbLong), 4);
    EXPECT_EQ(TypeSize(vbDecimal), 14);
    EXPECT_EQ(TypeRank(vbVariant), 70);
    EXPECT_GT(TypeRank(vbDouble), TypeRank(vbSingle));
    EXPECT_EQ(StockTypeOf(16)->code, 0);
    EXPECT_EQ(StockTypeOf(vbDate)->code, vbDate);
    EXPECT_EQ(StockTypeOf(vbDate), StockTypeOf(vbDate));
    EXPECT_EQ(KindName(kEqual), QStringLiteral("=="));
    EXPECT_EQ(KindName(kIntDivide), QStringLiteral("\\"));
    EXPECT_EQ(KindName(kCurrency), QStringLiteral("Currency"));
    EXPECT_EQ(KindName(kThen), QStringLiteral("Then"));
    EXPECT_EQ(KindName(102), QStringLiteral("For Each"));
    EXPECT_EQ(KindPrecedence(kPower), 200);
    EXPECT_EQ(KindPrecedence(kMissing), -1);
}

TEST(ScriptSymbols, HashTableAndTables) {
    HashTable table(256);
    int a = 1, b = 2;
    table.Insert(QStringLiteral("Name"), &a);
    EXPECT_EQ(table.Lookup(QStringLiteral("NAME")), &a);
    table.Insert(QStringLiteral("nAME"), &b);
    // The latest insertion is found first; nothing is removed.
    EXPECT_EQ(table.Lookup(QStringLiteral("name")), &b);
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(table.Lookup(QStringLiteral("Nam")), nullptr);
    // Names whose upper-case sums collide share a bucket and are still told apart.
    EXPECT_EQ(table.BucketOf(QStringLiteral("ab")), table.BucketOf(QStringLiteral("BA")));
    table.Insert(QStringLiteral("ba"), &a);
    EXPECT_EQ(table.Lookup(QStringLiteral("AB")), nullptr);
    EXPECT_EQ(table.Lookup(QStringLiteral("BA")), &a);
    // Blocks of 12 bytes a bucket fill up and new ones are started; a name longer than a
    // block is still kept.
    HashTable small(4);
    for (int i = 0; i < 40; ++i) small.Insert(QStringLiteral("n%1").arg(i), &a);
    small.Insert(QString(100, QLatin1Char('z')), &b);
    EXPECT_GT(small.blockCount(), 10);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(small.Lookup(QStringLiteral("N%1").arg(i)), &a);
    EXPECT_EQ(small.Lookup(QString(100, QLatin1Char('Z'))), &b);

    EXPECT_EQ(KeywordCount(), 142);
    EXPECT_EQ(BuiltInCount(), 127);
    EXPECT_EQ(KeywordByName(QStringLiteral("then")), kThen);
    EXPECT_EQ(KeywordByName(QStringLiteral("Date")), 44);
    EXPECT_EQ(KeywordByName(QStringLiteral("error")), 139);
    EXPECT_EQ(KeywordByName(QStringLiteral("Currency")), 0);
    EXPECT_EQ(KeywordByName(QStringLiteral("For Each")), 102);
    EXPECT_EQ(KeywordByKind(kTo), QStringLiteral("To"));
    EXPECT_TRUE(KeywordByKind(500).isEmpty());
    ASSERT_TRUE(BuiltInByName(QStringLiteral("SIN")));
    EXPECT_EQ(BuiltInByName(QStringLiteral("sin"))->number, kSinFunction);
    EXPECT_EQ(BuiltInByName(QStringLiteral("Cos"))->number, kCosFunction);
    EXPECT_EQ(BuiltInByName(QStringLiteral("sqr"))->number, kOtherFunction);
    EXPECT_EQ(BuiltInByName(QStringLiteral("Rnd"))->resultType, vbSingle);
    EXPECT_EQ(BuiltInByName(QStringLiteral("abs"))->resultType, kFirstArgumentType);
    EXPECT_EQ(BuiltInByName(QStringLiteral("Vulcan")), nullptr);
}

TEST(ScriptElements, ConversionsAndReconciling) {
    EXPECT_EQ(Element(std::int64_t(-42)).ToText(), QStringLiteral("-42"));
    EXPECT_EQ(Element(-2.7).ToInt64(), -2);
    EXPECT_EQ(Element(1e300).ToInt64(), 0);  // no integer that large
    EXPECT_EQ(Element(QStringLiteral("12")).ToInt64(), 12);
    EXPECT_EQ(Element(QStringLiteral("12x")).ToInt64(), 0);
    EXPECT_EQ(Element(QStringLiteral("2.5")).ToDouble(), 2.5);
    EXPECT_EQ(Element(QStringLiteral("e5")).ToDouble(), 0);
    EXPECT_EQ(Element(QStringLiteral("")).ToDouble(), 0);
    EXPECT_EQ(Element::Byte('A').ToText(), QStringLiteral("A"));
    EXPECT_EQ(Element::Byte(-3).ToInt64(), -3);
    EXPECT_EQ(Element(0.1f).ToText(), QStringLiteral("0.100000001490116"));
    EXPECT_EQ(FormatGeneral(1e20), QStringLiteral("1E20"));
    EXPECT_EQ(FormatGeneral(1.5e-7), QStringLiteral("1.5E-7"));
    EXPECT_EQ(FormatGeneral(123456.75), QStringLiteral("123456.75"));
    EXPECT_EQ(FormatGeneral(1.0 / 3), QStringLiteral("0.333333333333333"));

    Element i(std::int64_t(1)), d(1.5);
    Element::Reconcile(i, d);
    EXPECT_EQ(i.code(), vbDouble);
    Element s(1.5f), l(std::int64_t(2));
    Element::Reconcile(s, l);  // a single stays single next to a long
    EXPECT_EQ(s.code(), vbSingle);
    EXPECT_EQ(l.code(), vbLong);
    Element t(QStringLiteral("a")), n(std::int64_t(7));
    Element::Reconcile(t, n);
    EXPECT_EQ(n.code(), vbString);
    EXPECT_EQ(n.text(), QStringLiteral("7"));
    Element d2(2.0), t2(QStringLiteral("x"));
    EXPECT_THROW(Element::Reconcile(d2, t2), Error);
}

TEST(ScriptParser, ConstantsTakeTheirTypesFromTheText) {
    struct Case {
        const char* text;
        const char* line;
    } cases[] = {
        {"1e3", "Constant int 1000"},
        {"40000", "Constant long 40000"},
        {"3000000000", "Constant double 3000000000"},
        {"3.0", "Constant double 3"},
        {"7%", "Constant int 7"},
        {"7&", "Constant long 7"},
        {"2#", "Constant double 2"},
        {"1.5!", "Constant float 1.5"},
        {"&HFF", "Constant int 255"},
        {"&H8000", "Constant long 32768"},
        {"&hffffffffff", "Constant long 2147483647"},
        {"&O17", "Constant int 15"},
        {"&O17&", "Constant long 15"},
        {"&H10&", "Constant long 16"},
        {"2147483647", "Constant long 2147483647"},
        {"2147483648", "Constant double 2147483648"},
        {"\"a b\"", "Constant vbString \"a b\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tree(QString::fromLatin1(c.text)), QStringList{QString::fromLatin1(c.line)})
            << c.text;
    EXPECT_EQ(Value(QStringLiteral("1e400")), QStringLiteral("error: Number Range Invalid"));
}

TEST(ScriptParser, TreesShowPrecedenceAndGrouping) {
    EXPECT_EQ(Tree(QStringLiteral("1+2*3")),
              (QStringList{"+ int ", "  Constant int 1", "  * int ", "    Constant int 2",
                           "    Constant int 3"}));
    // Equal precedences group to the left, "^" too.
    EXPECT_EQ(Tree(QStringLiteral("2^3^2")),
              (QStringList{"^ int ", "  ^ int ", "    Constant int 2", "    Constant int 3",
                           "  Constant int 2"}));
    // The higher-ranked operand gives the type; a tie goes right; comparisons are bool.
    EXPECT_EQ(Tree(QStringLiteral("1.5*2"))[0], QStringLiteral("* double "));
    EXPECT_EQ(Tree(QStringLiteral("1=1"))[0], QStringLiteral("== bool "));
    EXPECT_EQ(Tree(QStringLiteral("a.b"))[0], QStringLiteral(". int "));
    // Names: identifiers keep their text; built-ins show their name and result type.
    EXPECT_EQ(Tree(QStringLiteral("x+1")),
              (QStringList{"+ int ", "  ID:  \"x\"", "  Constant int 1"}));
    EXPECT_EQ(Tree(QStringLiteral("SIN(0)")),
              (QStringList{"VBfn: double Sin", "  Constant int 0"}));
    EXPECT_EQ(Tree(QStringLiteral("abs(1.5)"))[0], QStringLiteral("VBfn: double Abs"));
    EXPECT_EQ(Tree(QStringLiteral("abs()"))[0], QStringLiteral("VBfn: Abs"));
    EXPECT_EQ(Tree(QStringLiteral("mid(,2,)")),
              (QStringList{"VBfn: vbVariant Mid", "  Missing ", "  Constant int 2", "  Missing "}));
    EXPECT_EQ(Tree(QStringLiteral("-x"))[0], QStringLiteral("U- "));
    // The expression ends at a token that cannot continue it; the rest is left.
    Tokenizer t(QStringLiteral("1+2 Then 3"));
    EXPECT_EQ(Evaluate(*ParseExpression(t))->ToInt64(), 3);
    EXPECT_EQ(t.NextKind(), kThen);
}

TEST(ScriptParser, MalformedExpressionsAreErrors) {
    const QString syntax = QStringLiteral("error: Syntax Error");
    EXPECT_EQ(Value(QString()), syntax);
    EXPECT_EQ(Value(QStringLiteral("(1+2")), syntax);
    EXPECT_EQ(Value(QStringLiteral("1 2")), syntax);
    EXPECT_EQ(Value(QStringLiteral("1+")), syntax);
    EXPECT_EQ(Value(QStringLiteral("()")), syntax);
    EXPECT_EQ(Value(QStringLiteral(".x")), syntax);
    EXPECT_EQ(Value(QStringLiteral("*2")), syntax);
    EXPECT_EQ(Value(QStringLiteral("sin(1")), QStringLiteral("error: Expected )"));
    EXPECT_EQ(Value(QStringLiteral("sin(1 2)")), QStringLiteral("error: Syntax Error"));
    EXPECT_EQ(Value(QStringLiteral("sin(1 Then)")), QStringLiteral("error: Expected )"));
    EXPECT_EQ(Value(QStringLiteral("1 + Dim")), QStringLiteral("error: Unexpected token"));
    EXPECT_EQ(Value(QStringLiteral("Integer")), QStringLiteral("error: Unexpected token"));
    // The type keyword String is not a text literal, though they share a kind.
    EXPECT_EQ(Value(QStringLiteral("String")), QStringLiteral("error: Unexpected token"));
    EXPECT_EQ(Value(QStringLiteral("\"String\"")), QStringLiteral("vbString String"));
    // "&" with no left operand must start a base-16 or base-8 number.
    EXPECT_EQ(Value(QStringLiteral("&X1")), syntax);
    EXPECT_EQ(Value(QStringLiteral("&Ox")), syntax);
}

TEST(ScriptParser, DeepNestingAndLongLinesFailCleanly) {
    const QString tooComplex = QStringLiteral("error: Expression too complex");
    const int n = 100000;
    EXPECT_EQ(Value(QString(n, QLatin1Char('(')) + QLatin1Char('1') + QString(n, QLatin1Char(')'))),
              tooComplex);
    EXPECT_EQ(Value(QStringLiteral("sin(").repeated(n)), tooComplex);
    EXPECT_EQ(Value(QStringLiteral("1+").repeated(n) + QLatin1Char('1')), tooComplex);
    EXPECT_EQ(Value(QStringLiteral("-").repeated(n) + QLatin1Char('1')), tooComplex);
    EXPECT_EQ(Value(QStringLiteral("2^").repeated(n) + QLatin1Char('1')), tooComplex);
    // Within the limits, nesting works.
    EXPECT_EQ(
        Value(QString(150, QLatin1Char('(')) + QLatin1Char('7') + QString(150, QLatin1Char(')'))),
        QStringLiteral("long 7"));
    EXPECT_EQ(Value(QStringLiteral("1+").repeated(900) + QLatin1Char('1')),
              QStringLiteral("long 901"));
    // A long line without depth is fine.
    EXPECT_EQ(Value(QString(n, QLatin1Char(' ')) + QStringLiteral("\"") +
                    QString(n, QLatin1Char('x')) + QStringLiteral("\" & 1"))
                  .size(),
              QStringLiteral("vbString ").size() + n + 1);
}

TEST(ScriptEvaluation, ArithmeticTextsAndFunctions) {
    struct Case {
        const char* text;
        const char* value;
    } cases[] = {
        {"2*-3", "long -6"},
        {"-2*3", "long -6"},
        {"8-3-2", "long 3"},
        {"7/2", "long 3"},
        {"-7/2", "long -3"},
        {"1+1.5", "double 2.5"},
        {"1.5!+1", "double 2.5"},
        {"\"a\" + 1", "vbString a1"},
        {"1 + \"a\"", "vbString 1a"},
        {"\"a\" - 1", "error: invalid operation"},
        {"\"a\" * \"b\"", "error: invalid operation"},
        {"1.5 + \"a\"", "error: Types incompatible"},
        {"1.5 & \"a\"", "vbString 1.5a"},
        {"1 & 2", "vbString 12"},
        {"1/0", "error: Integer division by zero"},
        {"1.0/0", "error: Division by zero"},
        {"&HFF", "long 255"},
        {"&O17", "long 15"},
        {"sin(0)", "double 0"},
        {"SIN(0)", "double 0"},
        {"cos(0)", "double 1"},
        {"sin(\"1\")", "error: Type mismatch"},
        {"left(\"abc\", 1)", "error: Function not implemented"},
        {"sqr(4)", "error: Function not implemented"},
        {"2^3", "none"},
        {"1 = 1", "none"},
        {"7\\2", "none"},
        {"x", "none"},
        {"-\"a\"", "error: invalid operation"},
        {"+\"a\"", "vbString a"},
        // Two signs in a row: the inner one applies first, as in arithmetic.
        {"--3", "long 3"},
        {"2*--3", "long 6"},
        {"1+--3", "long 4"},
        {"1 - -3", "long 4"},
        {"-+-3", "long 3"},
        // Wrapping 64-bit integers.
        {"2147483647*2147483647*4", "long -17179869180"},
        // An operand without a value, and calls without their argument.
        {"x+1", "error: Operand has no value"},
        {"(2^3) & 1", "error: Operand has no value"},
        {"sin()", "error: Argument not optional"},
        {"sin", "error: Argument not optional"},
        {"cos(,1)", "error: Argument not optional"},
        {"sin(x)", "error: Type mismatch"},
        {"abs()", "error: Function not implemented"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Value(QString::fromLatin1(c.text)), QString::fromLatin1(c.value)) << c.text;
    EXPECT_EQ(Evaluate(*Parse(QStringLiteral("sin(1)")))->real(), std::sin(1.0));
}

// Random integer expressions against 64-bit arithmetic with truncating division.
TEST(ScriptEvaluation, RandomIntegerExpressionsMatch64BitArithmetic) {
    std::mt19937_64 random(20261208);
    struct Generated {
        std::string text;
        std::optional<std::int64_t> value;  // none after a division by zero
        bool overflow = false;              // some intermediate value left 64 bits
    };
    std::function<Generated(int)> make = [&](int depth) -> Generated {
        const int choice = int(random() % (depth <= 0 ? 2 : 8));
        if (choice <= 1) {
            const std::int64_t v = std::int64_t(random() % 1000001);
            return {std::to_string(v), v};
        }
        if (choice == 2) {
            Generated g = make(depth - 1);
            g.text = "-" + g.text;
            if (g.value) g.value = -*g.value;
            return g;
        }
        if (choice == 3) {
            Generated g = make(depth - 1);
            g.text = "(" + g.text + ")";
            return g;
        }
        const Generated l = make(depth - 1), r = make(depth - 1);
        const char op = "+-*/"[choice - 4];
        Generated out{"(" + l.text + " " + op + " " + r.text + ")", std::nullopt,
                      l.overflow || r.overflow};
        if (!l.value || !r.value || out.overflow) return out;
        const std::int64_t a = *l.value, b = *r.value;
        std::int64_t v = 0;
        switch (op) {
            case '+':
                out.overflow = __builtin_add_overflow(a, b, &v);
                break;
            case '-':
                out.overflow = __builtin_sub_overflow(a, b, &v);
                break;
            case '*':
                out.overflow = __builtin_mul_overflow(a, b, &v);
                break;
            default:
                if (b == 0) return out;
                v = a / b;
        }
        if (!out.overflow) out.value = v;
        return out;
    };
    int divisionsByZero = 0, large = 0;
    for (int i = 0; i < 4000;) {
        const Generated g = make(5);
        if (g.overflow) continue;
        ++i;
        const QString expected = g.value ? QStringLiteral("long ") + QString::number(*g.value)
                                         : QStringLiteral("error: Integer division by zero");
        divisionsByZero += !g.value;
        large +=
            g.value && (*g.value > (std::int64_t(1) << 40) || *g.value < -(std::int64_t(1) << 40));
        ASSERT_EQ(Value(QString::fromStdString(g.text)), expected) << g.text;
    }
    EXPECT_GT(large, 50);
    EXPECT_GT(divisionsByZero, 10);

    // Without parentheses: a chain of operators with the usual precedence.
    for (int i = 0; i < 2000; ++i) {
        const int count = 2 + int(random() % 5);  // at most 999^6: inside 64 bits
        std::vector<std::int64_t> values;
        std::vector<char> ops;
        std::string text;
        for (int k = 0; k < count; ++k) {
            std::int64_t v = std::int64_t(random() % 1000);
            const bool negative = random() % 4 == 0;
            if (k) {
                ops.push_back("+-*/"[random() % 4]);
                text += std::string(" ") + ops.back() + " ";
            }
            text += (negative ? "-" : "") + std::to_string(v);
            values.push_back(negative ? -v : v);
        }
        // Reference: multiplications and divisions first, left to right, then the sums.
        std::optional<std::int64_t> result;
        std::vector<std::int64_t> terms{values[0]};
        std::vector<char> signs;
        bool zero = false;
        for (std::size_t k = 0; k < ops.size(); ++k) {
            if (ops[k] == '*')
                terms.back() *= values[k + 1];
            else if (ops[k] == '/') {
                if (values[k + 1] == 0) {
                    zero = true;
                    break;
                }
                terms.back() /= values[k + 1];
            } else {
                signs.push_back(ops[k]);
                terms.push_back(values[k + 1]);
            }
        }
        if (!zero) {
            std::int64_t sum = terms[0];
            for (std::size_t k = 0; k < signs.size(); ++k)
                sum = signs[k] == '+' ? sum + terms[k + 1] : sum - terms[k + 1];
            result = sum;
        }
        const QString expected = result ? QStringLiteral("long ") + QString::number(*result)
                                        : QStringLiteral("error: Integer division by zero");
        ASSERT_EQ(Value(QString::fromStdString(text)), expected) << text;
    }
}
