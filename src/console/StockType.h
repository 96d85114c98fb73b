#pragma once

#include <QString>

namespace script {

// The stock data types, numbered as the language's variable types 0 to 17.
enum TypeCode : int {
    vbEmpty = 0,
    vbNull = 1,
    vbInteger = 2,
    vbLong = 3,
    vbSingle = 4,
    vbDouble = 5,
    vbCurrency = 6,
    vbDate = 7,
    vbString = 8,
    vbObject = 9,
    vbError = 10,
    vbBoolean = 11,
    vbVariant = 12,
    vbDataObject = 13,
    vbDecimal = 14,
    vbByte = 17,
};

// One shared, immutable descriptor per code; nodes and elements point at them.
struct StockType {
    int code;
};

// The descriptor of a code; a code outside 0..17 is reported and gives the empty type.
const StockType* StockTypeOf(int code);
// Byte size of a constant of the type, -1 where none.
int TypeSize(int code);
QString TypeName(int code);
// Used to choose the type of an operation's result: the higher rank wins.
int TypeRank(int code);

bool IsIntegerType(int code);  // 2, 3, 17
bool IsRealType(int code);     // 4, 5, 7
bool IsNumericType(int code);  // 17, 2, 3, 4, 5, 11

}  // namespace script
