#include "console/StockType.h"

#include <array>

#include "core/Prompter.h"

namespace script {

namespace {

constexpr int kTypeCount = 18;

struct TypeInfo {
    int size;
    const char* name;
    int rank;
};

constexpr std::array<TypeInfo, kTypeCount> kTypes = {{
    {-1, "Invalid", 0},
    {-1, "Invalid", 0},
    {2, "int", 30},
    {4, "long", 40},
    {4, "float", 50},
    {8, "double", 60},
    {8, "vbCurrency", 0},
    {8, "vbDate", 60},
    {1, "vbString", 0},
    {-1, "vbObject", 0},
    {-1, "vbError", 0},
    {2, "bool", 10},
    {-1, "vbVariant", 70},
    {-1, "vbDataObject", 0},
    {14, "vbDecimal", 0},
    {-1, "Invalid", 0},
    {-1, "Invalid", 0},
    {1, "char", 20},
}};

// Codes 15 and 16 are unused: their descriptors hold the empty type.
const std::array<StockType, kTypeCount> kDescriptors = {{{0},
                                                         {1},
                                                         {2},
                                                         {3},
                                                         {4},
                                                         {5},
                                                         {6},
                                                         {7},
                                                         {8},
                                                         {9},
                                                         {10},
                                                         {11},
                                                         {12},
                                                         {13},
                                                         {14},
                                                         {0},
                                                         {0},
                                                         {17}}};

bool InRange(int code) {
    return code >= 0 && code < kTypeCount;
}

}  // namespace

const StockType* StockTypeOf(int code) {
    if (code > vbByte) {
        AssertReport("Type<=vbByte", "Invalid stock type", __FILE__, __LINE__);
        return &kDescriptors[0];
    }
    if (code < vbEmpty) {
        AssertReport("Type>=vbEmpty", "Invalid stock type", __FILE__, __LINE__);
        return &kDescriptors[0];
    }
    return &kDescriptors[std::size_t(code)];
}

int TypeSize(int code) {
    return InRange(code) ? kTypes[std::size_t(code)].size : -1;
}

QString TypeName(int code) {
    return QString::fromLatin1(InRange(code) ? kTypes[std::size_t(code)].name : "Invalid");
}

int TypeRank(int code) {
    return InRange(code) ? kTypes[std::size_t(code)].rank : 0;
}

bool IsIntegerType(int code) {
    return code == vbInteger || code == vbLong || code == vbByte;
}

bool IsRealType(int code) {
    return code == vbSingle || code == vbDouble || code == vbDate;
}

bool IsNumericType(int code) {
    return IsIntegerType(code) || code == vbSingle || code == vbDouble || code == vbBoolean;
}

}  // namespace script
