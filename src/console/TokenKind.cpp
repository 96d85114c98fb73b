#include "console/TokenKind.h"

#include <array>

#include "console/Symbols.h"

namespace script {

namespace {

constexpr std::array<const char*, 52> kNames = {
    "None",     "Constant", "+",      "-",       "*",      "/",      "^",     "\\",       "Mod",
    "&",        "==",       "<>",     "<",       ">",      "<=",     ">=",    "Like",     "Is",
    "Not",      "And",      "Or",     "Xor",     "Eqv",    "Imp",    "(",     ")",        ".",
    "U+",       "U-",       "Cast",   "Missing", "VBfn:",  "Line: ", "File:", "VarDef: ", "Sym: ",
    "ID: ",     "Integer",  "Long",   "Single",  "Double", "String", "Byte",  "Variant",  "Date",
    "Currency", "Boolean",  "Object", "Label",   ":",      ",",      "=",
};

constexpr std::array<int, 30> kPrecedences = {
    0,  0,  50, 50, 100, 100, 200, 100, 100, 50, 30, 30,  30,  30,  30,
    30, 30, 30, 20, 20,  20,  20,  20,  20,  0,  1,  300, 250, 250, 250,
};

}  // namespace

QString KindName(int kind) {
    if (kind >= 0 && kind < int(kNames.size()))
        return QString::fromLatin1(kNames[std::size_t(kind)]);
    return KeywordByKind(kind);
}

int KindPrecedence(int kind) {
    if (kind >= 0 && kind < int(kPrecedences.size())) return kPrecedences[std::size_t(kind)];
    return -1;
}

}  // namespace script
