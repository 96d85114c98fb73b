#pragma once

#include <QString>

namespace script {

// A built-in function: its number (184 Sin, 185 Cos, 183 any other), its name and its
// result type (a stock type code, or kFirstArgumentType).
struct BuiltIn {
    int number;
    const char* name;
    int resultType;
};

inline constexpr int kFirstArgumentType = 64;
inline constexpr int kSinFunction = 184;
inline constexpr int kCosFunction = 185;
inline constexpr int kOtherFunction = 183;

// The token kind of a keyword, ignoring case; 0 when the name is no keyword.
int KeywordByName(const QString& name);
// The first keyword with that kind, empty when none.
QString KeywordByKind(int kind);
// The built-in function of that name, ignoring case; null when none.
const BuiltIn* BuiltInByName(const QString& name);

// The number of entries of each table (for checking them).
int KeywordCount();
int BuiltInCount();

}  // namespace script
