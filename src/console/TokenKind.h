#pragma once

#include <QString>

namespace script {

// One numbering for tokens and for the nodes of expression trees. Codes 0 to 51 have a
// display name, 0 to 29 a precedence; 52 and above are keywords.
enum Kind : int {
    kNone = 0,
    kConstant = 1,
    kAdd = 2,
    kSubtract = 3,
    kMultiply = 4,
    kDivide = 5,
    kPower = 6,
    kIntDivide = 7,
    kMod = 8,
    kConcat = 9,
    kEqual = 10,
    kNotEqual = 11,
    kLess = 12,
    kGreater = 13,
    kLessEqual = 14,
    kGreaterEqual = 15,
    kLike = 16,
    kIs = 17,
    kNot = 18,
    kAnd = 19,
    kOr = 20,
    kXor = 21,
    kEqv = 22,
    kImp = 23,
    kOpen = 24,
    kClose = 25,
    kDot = 26,
    kUnaryPlus = 27,
    kUnaryMinus = 28,
    kCast = 29,
    kMissing = 30,
    kBuiltIn = 31,
    kLine = 32,
    kFile = 33,
    kVarDef = 34,
    kSymbol = 35,
    kIdentifier = 36,
    kInteger = 37,
    kLong = 38,
    kSingle = 39,
    kDouble = 40,
    kString = 41,  // also a double-quoted text literal
    kByte = 42,
    kVariant = 43,
    kDate = 44,
    kCurrency = 45,
    kBoolean = 46,
    kObject = 47,
    kLabel = 48,
    kColon = 49,
    kComma = 50,
    kAssign = 51,
    kFirstKeyword = 52,
    kThen = 119,
    kTo = 173,
    kLastKeyword = 182,
};

// The name a printed tree shows for a kind (the keyword itself above 51), empty when the
// code has none.
QString KindName(int kind);
// The parser's precedence of an operator kind; -1 for kinds without one.
int KindPrecedence(int kind);

}  // namespace script
