#include "console/Symbols.h"

#include <array>

#include "console/HashTable.h"
#include "console/StockType.h"

namespace script {

namespace {

struct Keyword {
    const char* name;
    int kind;
};

// "For Each" has a blank, so the tokenizer never reads it; the currency type is spelled
// "Currancy" as a keyword while its kind displays as "Currency".
// clang-format off
constexpr Keyword kKeywords[] = {
    {"Function", 52},  {"As", 56},         {"AtEndOfLine", 53},    {"AtEndOfStream", 54},
    {"Attributes", 55}, {"AvailableSpace", 57}, {"BuildPath", 58}, {"Call", 59},
    {"Column", 60},    {"CompareMode", 61}, {"Const", 62},         {"Copy", 63},
    {"CopyFile", 64},  {"CopyFolder", 65}, {"Count", 66},          {"CreateFolder", 67},
    {"CreateTextFile", 68}, {"DateCreated", 69}, {"DateLastAccessed", 70},
    {"DateLastModified", 71}, {"Delete", 72}, {"DeleteFile", 73},  {"DeleteFolder", 74},
    {"Description", 75}, {"Dictionary", 76}, {"Dim", 77},           {"Do", 78},
    {"Loop", 79},      {"Drive", 80},      {"DriveExists", 81},    {"DriveLetter", 82},
    {"Drives", 83},    {"DriveType", 84},  {"Empty", 85},          {"End", 86},
    {"Erase", 87},     {"Err", 88},        {"Exists", 89},         {"Exit", 90},
    {"ExitFor", 91},   {"ExitDo", 92},     {"FileExists", 93},     {"File", 94},
    {"Files", 95},     {"FileSystemObject", 96}, {"FileSystem", 97}, {"Folder", 98},
    {"Folders", 99},   {"FolderExists", 100}, {"For", 101},        {"For Each", 102},
    {"Next", 103},     {"Each", 104},      {"FreeSpace", 105},     {"GetAbsolutePathName", 106},
    {"GetBaseName", 107}, {"GetDrive", 108}, {"GetDriveName", 109}, {"GetExtensionName", 110},
    {"GetFile", 111},  {"GetFileName", 112}, {"GetFolder", 113},   {"GetSpecialFolder", 114},
    {"GetTempName", 115}, {"HelpContext", 116}, {"HelpFile", 117}, {"If", 118},
    {"Then", 119},     {"Else", 120},      {"ElseIf", 121},        {"EndIf", 122},
    {"In", 123},       {"IsReady", 124},   {"IsRootFolder", 125},  {"Item", 126},
    {"Items", 127},    {"Key", 128},       {"Keys", 129},          {"Line", 131},
    {"Let", 130},      {"Move", 132},      {"MoveFile", 133},      {"MoveFolder", 134},
    {"Name", 135},     {"New", 136},       {"Number", 137},        {"On", 138},
    {"Error", 139},    {"OpenAsTextStream", 140}, {"OpenTextFile", 141}, {"Operator", 142},
    {"Option", 143},   {"Explicit", 144},  {"ParentFolder", 145},  {"Path", 146},
    {"Private", 147},  {"Public", 148},    {"Raise", 149},         {"Randomize", 150},
    {"Read", 151},     {"ReadAll", 152},   {"ReadLine", 153},      {"ReDim", 154},
    {"Rem", 155},      {"Remove", 156},    {"RemoveAll", 157},     {"RootFolder", 158},
    {"Select", 159},   {"Case", 160},      {"Set", 161},           {"ShareName", 162},
    {"ShortName", 163}, {"ShortPath", 164}, {"Size", 165},         {"Skip", 166},
    {"SkipLine", 167}, {"Source", 168},    {"Step", 169},          {"Sub", 170},
    {"SubFolders", 171}, {"TextStream", 172}, {"To", 173},         {"TotalSize", 174},
    {"Until", 175},    {"VolumeName", 176}, {"While", 177},        {"Wend", 178},
    {"WithEvents", 179}, {"Write", 180},   {"WriteBlankLines", 181}, {"WriteLine", 182},
    {"Integer", 37},   {"Long", 38},       {"Single", 39},         {"Double", 40},
    {"String", 41},    {"Byte", 42},       {"Variant", 43},        {"Date", 44},
    {"Currancy", 45},  {"Boolean", 46},    {"Object", 47},
};

constexpr int S = kSinFunction, C = kCosFunction, O = kOtherFunction;
constexpr BuiltIn kBuiltIns[] = {
    // int
    {O, "Asc", vbInteger}, {O, "Day", vbInteger}, {O, "DoEvents", vbInteger},
    {O, "EOF", vbInteger}, {O, "Fix", vbInteger}, {O, "FreeFile", vbInteger},
    {O, "GetAttr", vbInteger}, {O, "Hour", vbInteger}, {O, "IMEStatus", vbInteger},
    {O, "InStr", vbInteger}, {O, "InStrRev", vbInteger}, {O, "Int", vbInteger},
    {O, "Minute", vbInteger}, {O, "Month", vbInteger}, {O, "MsgBox", vbInteger},
    {O, "Second", vbInteger}, {O, "Sgn", vbInteger}, {O, "StrComp", vbInteger},
    {O, "VarType", vbInteger}, {O, "Year", vbInteger},
    // long
    {O, "DateDiff", vbLong}, {O, "DatePart", vbLong}, {O, "FileAttr", vbLong},
    {O, "FileLen", vbLong}, {O, "LBound", vbLong}, {O, "Loc", vbLong}, {O, "LOF", vbLong},
    {O, "QBColor", vbLong}, {O, "RGB", vbLong}, {O, "Seek", vbLong}, {O, "UBound", vbLong},
    // single
    {O, "Rnd", vbSingle},
    // double
    {O, "Atn", vbDouble}, {C, "Cos", vbDouble}, {O, "DDB", vbDouble}, {O, "Exp", vbDouble},
    {O, "FV", vbDouble}, {O, "IPmt", vbDouble}, {O, "IRR", vbDouble}, {O, "Log", vbDouble},
    {O, "MIRR", vbDouble}, {O, "NPER", vbDouble}, {O, "NPV", vbDouble}, {O, "Pmt", vbDouble},
    {O, "PPmt", vbDouble}, {O, "PV", vbDouble}, {O, "Rate", vbDouble}, {S, "Sin", vbDouble},
    {O, "SLN", vbDouble}, {O, "Sqr", vbDouble}, {O, "SYD", vbDouble}, {O, "Tan", vbDouble},
    // text
    {O, "Chr", vbString}, {O, "Command", vbString}, {O, "Dir", vbString},
    {O, "Environ", vbString}, {O, "Error", vbString}, {O, "Format", vbString},
    {O, "FormatCurrency", vbString}, {O, "FormatDateTime", vbString},
    {O, "FormatNumber", vbString}, {O, "FormatPercent", vbString},
    {O, "GetSetting", vbString}, {O, "Hex", vbString}, {O, "Input", vbString},
    {O, "InputBox", vbString}, {O, "Join", vbString}, {O, "LCase", vbString},
    {O, "LTrim", vbString}, {O, "RTrim", vbString}, {O, "Trim", vbString},
    {O, "MonthName", vbString}, {O, "Oct", vbString}, {O, "Replace", vbString},
    {O, "Spc", vbString}, {O, "StrConv", vbString}, {O, "String", vbString},
    {O, "StrReverse", vbString}, {O, "Tab", vbString}, {O, "TypeName", vbString},
    {O, "UCase", vbString}, {O, "Weekday", vbString}, {O, "WeekdayName", vbString},
    // object
    {O, "CallByName", vbObject}, {O, "CreateObject", vbObject}, {O, "GetObject", vbObject},
    // bool
    {O, "IsArray", vbBoolean}, {O, "IsDate", vbBoolean}, {O, "IsEmpty", vbBoolean},
    {O, "IsMissing", vbBoolean}, {O, "IsNull", vbBoolean}, {O, "IsNumeric", vbBoolean},
    {O, "IsObject", vbBoolean},
    // variant
    {O, "Array", vbVariant}, {O, "Choose", vbVariant}, {O, "CurDir", vbVariant},
    {O, "CVErr", vbVariant}, {O, "Date", vbVariant}, {O, "DateAdd", vbVariant},
    {O, "DateSerial", vbVariant}, {O, "DateValue", vbVariant}, {O, "FileDateTime", vbVariant},
    {O, "Filter", vbVariant}, {O, "GetAllSettings", vbVariant}, {O, "Iff", vbVariant},
    {O, "Left", vbVariant}, {O, "Len", vbVariant}, {O, "LoadPicture", vbVariant},
    {O, "LoadResData", vbVariant}, {O, "LoadResPicture", vbVariant},
    {O, "LoadResString", vbVariant}, {O, "Mid", vbVariant}, {O, "Now", vbVariant},
    {O, "Partition", vbVariant}, {O, "Right", vbVariant}, {O, "Round", vbVariant},
    {O, "Shell", vbVariant}, {O, "Space", vbVariant}, {O, "Split", vbVariant},
    {O, "Str", vbVariant}, {O, "Switch", vbVariant}, {O, "Time", vbVariant},
    {O, "Timer", vbVariant}, {O, "TimeSerial", vbVariant}, {O, "TimeValue", vbVariant},
    {O, "Val", vbVariant},
    // the type of the first argument
    {O, "Abs", kFirstArgumentType},
};
// clang-format on

constexpr int kTableBuckets = 256;

// Filled on first use, in table order.
const HashTable& KeywordTable() {
    static const HashTable* table = [] {
        static HashTable t(kTableBuckets);
        for (const Keyword& k : kKeywords) t.Insert(QString::fromLatin1(k.name), &k);
        return &t;
    }();
    return *table;
}

const HashTable& BuiltInTable() {
    static const HashTable* table = [] {
        static HashTable t(kTableBuckets);
        for (const BuiltIn& b : kBuiltIns) t.Insert(QString::fromLatin1(b.name), &b);
        return &t;
    }();
    return *table;
}

}  // namespace

int KeywordByName(const QString& name) {
    const auto* k = static_cast<const Keyword*>(KeywordTable().Lookup(name));
    return k ? k->kind : 0;
}

QString KeywordByKind(int kind) {
    for (const Keyword& k : kKeywords)
        if (k.kind == kind) return QString::fromLatin1(k.name);
    return QString();
}

const BuiltIn* BuiltInByName(const QString& name) {
    return static_cast<const BuiltIn*>(BuiltInTable().Lookup(name));
}

int KeywordCount() {
    return int(std::size(kKeywords));
}

int BuiltInCount() {
    return int(std::size(kBuiltIns));
}

}  // namespace script
