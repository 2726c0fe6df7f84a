// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The "Copy as" and "Paste as" menus, field by field: one row per notation's form and edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "fields/number_text.h"
#include "notations/field_notations.h"
#include "notations/integer_notations.h"
#include "res/resource.h"

namespace {

using enum Notation;

// Copy as: the field holds `fieldText`; the entry for `notation` shows `expected`, or is
// disabled where `expected` is nullptr.
struct CopyRow {
  const char* name;
  int controlId;
  const char* fieldText;
  Notation notation;
  const char* expected;
};

std::ostream& operator<<(std::ostream& out, const CopyRow& row) { return out << row.name; }

class CopyAsTest : public testing::TestWithParam<CopyRow> {};

TEST_P(CopyAsTest, WritesTheFieldsValue) {
  const CopyRow& row = GetParam();
  const std::vector<CopyAsEntry> entries = CopyAsEntries(row.controlId, row.fieldText);
  const auto entry = std::find_if(entries.begin(), entries.end(), [&](const CopyAsEntry& e) {
    return e.info.notation == row.notation;
  });
  ASSERT_NE(entry, entries.end());
  if (row.expected == nullptr)
    EXPECT_EQ(entry->text, std::nullopt);
  else
    EXPECT_EQ(entry->text, std::optional<std::string>(row.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CopyAsTest,
    testing::Values(
        CopyRow{"Hex255", IDC_DEC, "255", Hex, "0xff"},
        CopyRow{"HexZero", IDC_DEC, "0", Hex, "0x0"},
        CopyRow{"HexMinus1IsThePattern", IDC_DEC, "-1", Hex, "0xffffffff"},
        CopyRow{"HexOfInt32Min", IDC_DEC, "-2147483648", Hex, "0x80000000"},
        CopyRow{"OctFromHexField", IDC_HEX, "ff", Oct, "0o377"},
        CopyRow{"BinFromOctField", IDC_OCT, "377", Bin, "0b11111111"},
        CopyRow{"Binary32Of255", IDC_DEC, "255", Binary32,
                "0000 0000 0000 0000 0000 0000 1111 1111"},
        CopyRow{"Binary32OfZero", IDC_BIN, "", Binary32, "0000 0000 0000 0000 0000 0000 0000 0000"},
        CopyRow{"Binary32OfInt32Min", IDC_DEC, "-2147483648", Binary32,
                "1000 0000 0000 0000 0000 0000 0000 0000"},
        CopyRow{"UnsignedOfMinus1", IDC_DEC, "-1", Unsigned, "4294967295"},
        CopyRow{"UnsignedOfInt32Min", IDC_DEC, "-2147483648", Unsigned, "2147483648"},
        CopyRow{"UnsignedOfInt32Max", IDC_HEX, "7fffffff", Unsigned, "2147483647"},
        CopyRow{"ColorZero", IDC_DEC, "0", Color, "#000000"},
        CopyRow{"ColorFfffff", IDC_HEX, "ffffff", Color, "#ffffff"},
        CopyRow{"Color1000000HasNone", IDC_HEX, "1000000", Color, nullptr},
        CopyRow{"ColorNegativeHasNone", IDC_DEC, "-1", Color, nullptr},
        CopyRow{"Mode755", IDC_OCT, "755", FileMode, "rwxr-xr-x"},
        CopyRow{"ModeZero", IDC_OCT, "0", FileMode, "---------"},
        CopyRow{"Mode7777", IDC_OCT, "7777", FileMode, "rwsrwsrwt"},
        CopyRow{"Mode6644SpecialWithoutX", IDC_OCT, "6644", FileMode, "rwSr-Sr--"},
        CopyRow{"Mode1000StickyAlone", IDC_OCT, "1000", FileMode, "--------T"},
        CopyRow{"Mode10000HasNone", IDC_OCT, "10000", FileMode, nullptr},
        CopyRow{"AllBases255", IDC_BIN, "11111111", AllBases, "0xff\n255\n0o377\n0b11111111"},
        CopyRow{"AllBasesMinus1", IDC_DEC, "-1", AllBases,
                "0xffffffff\n-1\n0o37777777777\n0b11111111111111111111111111111111"},
        CopyRow{"Dms", IDC_DEGREE, "36.86989", Dms, "36\u00b052\u203211.6\u2033"},
        CopyRow{"DmsZero", IDC_DEGREE, "0", Dms, "0\u00b0"},
        CopyRow{"DmsNegative", IDC_DEGREE, "-36.50000", Dms, "-36\u00b030\u2032"},
        CopyRow{"DmsTinyNegativeIsZero", IDC_DEGREE, "-0.00001", Dms, "0\u00b0"},
        CopyRow{"Dms59_9999SecondsCarry", IDC_DEGREE, "10.0166666389", Dms, "10\u00b001\u2032"},
        CopyRow{"Dms59_94SecondsStay", IDC_DEGREE, "10.01665", Dms, "10\u00b000\u203259.9\u2033"},
        CopyRow{"DmsSecondsWithoutMinutes", IDC_DEGREE, "10.001", Dms,
                "10\u00b000\u203203.6\u2033"},
        CopyRow{"DmsInfiniteHasNone", IDC_ELEVATION, "1e999", Dms, nullptr},
        CopyRow{"DmsHugeHasNone", IDC_ELEVATION, "1e300", Dms, nullptr},
        CopyRow{"Quadrant345", IDC_XY_ANGLE, "36.869892", QuadrantBearing,
                "N36\u00b052\u203211.6\u2033E"},
        CopyRow{"QuadrantSouthEast", IDC_XY_ANGLE, "143.130108", QuadrantBearing,
                "S36\u00b052\u203211.6\u2033E"},
        CopyRow{"QuadrantSouthWest", IDC_XY_ANGLE, "216.869919", QuadrantBearing,
                "S36\u00b052\u203211.7\u2033W"},
        CopyRow{"QuadrantNorthWest", IDC_XY_ANGLE, "323.130108", QuadrantBearing,
                "N36\u00b052\u203211.6\u2033W"},
        CopyRow{"QuadrantNorthAt0", IDC_XY_ANGLE, "0", QuadrantBearing, "N"},
        CopyRow{"QuadrantNorthAt360", IDC_XY_ANGLE, "360.000000", QuadrantBearing, "N"},
        CopyRow{"QuadrantEastAt90", IDC_XY_ANGLE, "90", QuadrantBearing, "E"},
        CopyRow{"QuadrantEastAsThePageShowsIt", IDC_XY_ANGLE, "89.999992", QuadrantBearing, "E"},
        CopyRow{"QuadrantSouthAsThePageShowsIt", IDC_XY_ANGLE, "179.999985", QuadrantBearing, "S"},
        CopyRow{"QuadrantWestAt270", IDC_XY_ANGLE, "270.000000", QuadrantBearing, "W"},
        CopyRow{"QuadrantWestAtMinus90", IDC_XY_ANGLE, "-90", QuadrantBearing, "W"},
        CopyRow{"QuadrantTwoTenthsOffAxis", IDC_XY_ANGLE, "0.00006", QuadrantBearing,
                "N0\u00b000\u203200.2\u2033E"},
        CopyRow{"QuadrantInfiniteHasNone", IDC_XY_ANGLE, "1e999", QuadrantBearing, nullptr},
        CopyRow{"Slope30", IDC_ELEVATION, "30", SlopePercent, "57.735%"},
        CopyRow{"Slope45", IDC_ELEVATION, "45", SlopePercent, "100%"},
        CopyRow{"SlopeZero", IDC_ELEVATION, "0.000000", SlopePercent, "0%"},
        CopyRow{"SlopeDown", IDC_ELEVATION, "-45", SlopePercent, "-100%"},
        CopyRow{"SlopeVerticalHasNone", IDC_ELEVATION, "90", SlopePercent, nullptr},
        CopyRow{"SlopeBeyondVerticalHasNone", IDC_ELEVATION, "179.999985", SlopePercent, nullptr}),
    [](const testing::TestParamInfo<CopyRow>& info) { return info.param.name; });

// Paste as: `clipboard` read in `notation` for the field gives `expected`, the text the field
// receives, or else `message` and no text.
struct PasteRow {
  const char* name;
  int controlId;
  Notation notation;
  const char* clipboard;
  const char* expected;
  std::string_view message = {};
};

std::ostream& operator<<(std::ostream& out, const PasteRow& row) { return out << row.name; }

class PasteAsTest : public testing::TestWithParam<PasteRow> {};

TEST_P(PasteAsTest, GivesTheFieldText) {
  const PasteRow& row = GetParam();
  const PasteAsResult result = PasteAs(row.controlId, row.notation, row.clipboard);
  if (row.expected == nullptr) {
    EXPECT_EQ(result.fieldText, std::nullopt);
    EXPECT_EQ(result.message, row.message);
  } else {
    EXPECT_EQ(result.fieldText, std::optional<std::string>(row.expected));
  }
}

constexpr std::string_view kNothing = kNothingInNotation;

INSTANTIATE_TEST_SUITE_P(
    Rows, PasteAsTest,
    testing::Values(
        PasteRow{"HexWithPrefix", IDC_HEX, Hex, "0xFF", "ff"},
        PasteRow{"HexZero", IDC_HEX, Hex, "0", "0"},
        PasteRow{"HexFullWidth", IDC_HEX, Hex, "\uff10\uff58\uff46\uff46", "ff"},
        PasteRow{"HexInt32Max", IDC_HEX, Hex, "7fffffff", "7fffffff"},
        PasteRow{"HexTopBitIsThePattern", IDC_HEX, Hex, "80000000", "-80000000"},
        PasteRow{"HexAllOnesGrouped", IDC_HEX, Hex, "0xFFFF_FFFF", "-1"},
        PasteRow{"HexNegativeInt32Min", IDC_HEX, Hex, "-80000000", "-80000000"},
        PasteRow{"HexBeyond32Bits", IDC_HEX, Hex, "1_0000_0000", nullptr, kBeyond32Bits},
        PasteRow{"HexBelowInt32Min", IDC_HEX, Hex, "-80000001", nullptr, kBeyond32Bits},
        PasteRow{"HexPrefixAlone", IDC_HEX, Hex, "0x", nullptr, kNothing},
        PasteRow{"HexEmpty", IDC_HEX, Hex, "", nullptr, kNothing},
        PasteRow{"HexTrailingText", IDC_HEX, Hex, "ff zz", nullptr, kNothing},
        PasteRow{"HexIntoDecimalField", IDC_DEC, Hex, "0x80000000", "-2147483648"},
        PasteRow{"DecSpaces", IDC_DEC, Decimal, " 1 000 ", "1000"},
        PasteRow{"DecUnderscores", IDC_DEC, Decimal, "1_000", "1000"},
        PasteRow{"DecApostrophes", IDC_DEC, Decimal, "1'000'000", "1000000"},
        PasteRow{"DecCommas", IDC_DEC, Decimal, "1,000,000", "1000000"},
        PasteRow{"DecDecimalCommaIsNone", IDC_DEC, Decimal, "1,5", nullptr, kNothing},
        PasteRow{"DecCommaBeforeFourDigits", IDC_DEC, Decimal, "1,0000", nullptr, kNothing},
        PasteRow{"DecDoubledMark", IDC_DEC, Decimal, "1__000", nullptr, kNothing},
        PasteRow{"DecMinusSign", IDC_DEC, Decimal, "\u22125", "-5"},
        PasteRow{"DecFullWidth", IDC_DEC, Decimal, "\uff11\uff12\uff13", "123"},
        PasteRow{"DecIdeographicSpace", IDC_DEC, Decimal, "1\u3000000", "1000"},
        PasteRow{"DecZero", IDC_DEC, Decimal, "0", "0"},
        PasteRow{"DecUint32Max", IDC_DEC, Decimal, "4294967295", "-1"},
        PasteRow{"DecInt32MaxPlus1", IDC_DEC, Decimal, "2147483648", "-2147483648"},
        PasteRow{"DecInt32Min", IDC_DEC, Decimal, "-2147483648", "-2147483648"},
        PasteRow{"DecUint32MaxPlus1", IDC_DEC, Decimal, "4294967296", nullptr, kBeyond32Bits},
        PasteRow{"DecBelowInt32Min", IDC_DEC, Decimal, "-2147483649", nullptr, kBeyond32Bits},
        PasteRow{"DecManyDigits", IDC_DEC, Decimal, "99999999999999999999999", nullptr,
                 kBeyond32Bits},
        PasteRow{"DecTrailingText", IDC_DEC, Decimal, "12abc", nullptr, kNothing},
        PasteRow{"DecHexIsNone", IDC_DEC, Decimal, "0x10", nullptr, kNothing},
        PasteRow{"DecIntoBinaryFieldNegative", IDC_BIN, Decimal, "-1", "-1"},
        PasteRow{"OctPrefix", IDC_OCT, Oct, "0o755", "755"},
        PasteRow{"OctUpperPrefixIntoHex", IDC_HEX, Oct, "0O17", "f"},
        PasteRow{"OctBadDigit", IDC_OCT, Oct, "778", nullptr, kNothing},
        PasteRow{"BinPrefix", IDC_BIN, Bin, "0b101", "101"},
        PasteRow{"BinBadDigit", IDC_BIN, Bin, "1012", nullptr, kNothing},
        PasteRow{"BinGroupedAllOnes", IDC_BIN, Bin, "1111 1111 1111 1111 1111 1111 1111 1111",
                 "-1"},
        PasteRow{"BinGroupedTopBitIntoHex", IDC_HEX, Bin,
                 "0b1000 0000 0000 0000 0000 0000 0000 0000", "-80000000"},
        PasteRow{"Bin33Bits", IDC_BIN, Bin, "1 0000 0000 0000 0000 0000 0000 0000 0000", nullptr,
                 kBeyond32Bits},
        PasteRow{"Color", IDC_HEX, Color, "#FF8800", "ff8800"},
        PasteRow{"ColorFullWidth", IDC_HEX, Color, "\uff03\uff26\uff26\uff18\uff18\uff10\uff10",
                 "ff8800"},
        PasteRow{"ColorShort", IDC_HEX, Color, "#f80", "ff8800"},
        PasteRow{"ColorWithoutHash", IDC_DEC, Color, "ffffff", "16777215"},
        PasteRow{"ColorBlack", IDC_DEC, Color, "#000000", "0"},
        PasteRow{"ColorSevenDigits", IDC_HEX, Color, "#1000000", nullptr, kNothing},
        PasteRow{"ColorNotHex", IDC_HEX, Color, "#ggg", nullptr, kNothing},
        PasteRow{"Mode755", IDC_OCT, FileMode, "rwxr-xr-x", "755"},
        PasteRow{"ModeWithFileType", IDC_OCT, FileMode, "drwxr-xr-x", "755"},
        PasteRow{"Mode7755", IDC_OCT, FileMode, "rwsr-sr-t", "7755"},
        PasteRow{"Mode7777", IDC_OCT, FileMode, "rwsrwsrwt", "7777"},
        PasteRow{"Mode7666", IDC_OCT, FileMode, "rwSrwSrwT", "7666"},
        PasteRow{"ModeZero", IDC_DEC, FileMode, "---------", "0"},
        PasteRow{"ModeShort", IDC_OCT, FileMode, "rwxr-xr-", nullptr, kNothing},
        PasteRow{"ModeSetuidInOthers", IDC_OCT, FileMode, "rwxr-xr-s", nullptr, kNothing},
        PasteRow{"ModeLettersSwapped", IDC_OCT, FileMode, "wrxr-xr-x", nullptr, kNothing},
        PasteRow{"AllBases", IDC_DEC, AllBases, "0xff\n255\n0o377\n0b11111111\n", "255"},
        PasteRow{"AllBasesCrLf", IDC_HEX, AllBases, "0xffffffff\r\n-1\r\n", "-1"},
        PasteRow{"AllBasesDisagree", IDC_DEC, AllBases, "0xff\n254", nullptr, kNothing},
        PasteRow{"Dms", IDC_DEGREE, Dms, "36\u00b052\u203211.6\u2033", "36.86988889"},
        PasteRow{"DmsLetters", IDC_DEGREE, Dms, "36d52m11.6s", "36.86988889"},
        PasteRow{"DmsSpaces", IDC_DEGREE, Dms, "36 52 11.6", "36.86988889"},
        PasteRow{"DmsAsciiQuotes", IDC_DEGREE, Dms, "36\u00b052'11.6\"", "36.86988889"},
        PasteRow{"DmsTypographicQuotes", IDC_DEGREE, Dms, "36\u00b052\u201911.6\u201d",
                 "36.86988889"},
        PasteRow{"DmsTwoApostrophes", IDC_DEGREE, Dms, "36\u00b052'11.6''", "36.86988889"},
        PasteRow{"DmsDecimalMinutes", IDC_DEGREE, Dms, "36\u00b052.5\u2032", "36.875"},
        PasteRow{"DmsDegreesOnly", IDC_DEGREE, Dms, "36.5\u00b0", "36.5"},
        PasteRow{"DmsSkipsMinutes", IDC_DEGREE, Dms, "1\u00b036\u2033", "1.01"},
        PasteRow{"DmsNegative", IDC_DEGREE, Dms, "\u221236\u00b030\u2032", "-36.5"},
        PasteRow{"DmsZero", IDC_DEGREE, Dms, "0", "0"},
        PasteRow{"DmsWholeTurnsStay", IDC_DEGREE, Dms, "\uff14\uff15\uff10\uff10", "4500"},
        PasteRow{"Dms59_9999Seconds", IDC_DEGREE, Dms, "10\u00b000\u203259.9999\u2033",
                 "10.01666664"},
        PasteRow{"Dms60Minutes", IDC_DEGREE, Dms, "36\u00b060\u2032", nullptr, kNothing},
        PasteRow{"Dms60Seconds", IDC_DEGREE, Dms, "36\u00b052\u203260\u2033", nullptr, kNothing},
        PasteRow{"DmsFractionBeforeMinutes", IDC_DEGREE, Dms, "36.5\u00b030\u2032", nullptr,
                 kNothing},
        PasteRow{"DmsMarksOutOfOrder", IDC_DEGREE, Dms, "36\u203252\u00b0", nullptr, kNothing},
        PasteRow{"DmsFourParts", IDC_DEGREE, Dms, "1 2 3 4", nullptr, kNothing},
        PasteRow{"DmsQuadrantIsNone", IDC_DEGREE, Dms, "N36\u00b052\u2032E", nullptr, kNothing},
        PasteRow{"DmsEmpty", IDC_DEGREE, Dms, "", nullptr, kNothing},
        PasteRow{"QuadrantNorthEast", IDC_XY_ANGLE, QuadrantBearing, "N36\u00b052\u2032E",
                 "36.86666667"},
        PasteRow{"QuadrantSouthEast", IDC_XY_ANGLE, QuadrantBearing, "S36\u00b052\u2032E",
                 "143.13333333"},
        PasteRow{"QuadrantSouthWest", IDC_XY_ANGLE, QuadrantBearing, "S36\u00b052\u2032W",
                 "216.86666667"},
        PasteRow{"QuadrantNorthWest", IDC_XY_ANGLE, QuadrantBearing, "N36\u00b052\u2032W",
                 "323.13333333"},
        PasteRow{"QuadrantLowerCaseSpaced", IDC_XY_ANGLE, QuadrantBearing, "n 45 e", "45"},
        PasteRow{"QuadrantN", IDC_XY_ANGLE, QuadrantBearing, "N", "0"},
        PasteRow{"QuadrantE", IDC_XY_ANGLE, QuadrantBearing, "E", "90"},
        PasteRow{"QuadrantS", IDC_XY_ANGLE, QuadrantBearing, "S", "180"},
        PasteRow{"QuadrantW", IDC_XY_ANGLE, QuadrantBearing, "W", "270"},
        PasteRow{"QuadrantN90E", IDC_XY_ANGLE, QuadrantBearing, "N90\u00b0E", "90"},
        PasteRow{"QuadrantN0W", IDC_XY_ANGLE, QuadrantBearing, "N0\u00b0W", "0"},
        PasteRow{"QuadrantBeyond90", IDC_XY_ANGLE, QuadrantBearing, "N91\u00b0E", nullptr,
                 kNothing},
        PasteRow{"QuadrantWithoutAngle", IDC_XY_ANGLE, QuadrantBearing, "NE", nullptr, kNothing},
        PasteRow{"QuadrantSigned", IDC_XY_ANGLE, QuadrantBearing, "N-5E", nullptr, kNothing},
        PasteRow{"QuadrantEastFirst", IDC_XY_ANGLE, QuadrantBearing, "E36N", nullptr, kNothing},
        PasteRow{"SlopeUp", IDC_ELEVATION, SlopePercent, "100%", "45"},
        PasteRow{"SlopeDownSpaced", IDC_ELEVATION, SlopePercent, "-100 %", "-45"},
        PasteRow{"SlopeZero", IDC_ELEVATION, SlopePercent, "0%", "0"},
        PasteRow{"SlopeWithoutSign", IDC_ELEVATION, SlopePercent, "57.735", "29.99998843"},
        PasteRow{"SlopeFullWidth", IDC_ELEVATION, SlopePercent, "\uff11\uff12\uff05", "6.84277341"},
        // Longer than a short string's own buffer: the folded text must outlive the reading.
        PasteRow{"SlopeLongText", IDC_ELEVATION, SlopePercent, "100.00000000000000000000 %", "45"},
        PasteRow{"ColorLongText", IDC_HEX, Color, "#ff8800                   x", nullptr, kNothing},
        PasteRow{"SlopePercentAlone", IDC_ELEVATION, SlopePercent, "%", nullptr, kNothing},
        PasteRow{"SlopeInfinite", IDC_ELEVATION, SlopePercent, "1e999%", nullptr, kNothing},
        PasteRow{"DecimalGrouped", IDC_END_X, Decimal, "\uff11 \uff10\uff10\uff10.\uff15",
                 "1000.5"},
        PasteRow{"DecimalMinusSign", IDC_DISTANCE, Decimal, "\u22122.5", "-2.5"},
        PasteRow{"DecimalExponent", IDC_RADIAN, Decimal, "1e3", "1e3"},
        PasteRow{"DecimalPointFirst", IDC_SIN, Decimal, ".5", ".5"},
        PasteRow{"DecimalCommaIsNone", IDC_END_Y, Decimal, "1,5", nullptr, kNothing},
        PasteRow{"DecimalTrailingText", IDC_END_Y, Decimal, "12abc", nullptr, kNothing},
        PasteRow{"NotationTheFieldLacks", IDC_RADIAN, Hex, "ff", nullptr, kNothing},
        PasteRow{"DecimalNotInDegreeMenu", IDC_DEGREE, Decimal, "1", nullptr, kNothing},
        PasteRow{"UnknownField", 0, Decimal, "1", nullptr, kNothing}),
    [](const testing::TestParamInfo<PasteRow>& info) { return info.param.name; });

// Each menu's notations by name, copy entries then paste entries.
struct MenuRow {
  const char* name;
  int controlId;
  std::vector<std::string_view> copyAs;
  std::vector<std::string_view> pasteAs;
};

std::ostream& operator<<(std::ostream& out, const MenuRow& row) { return out << row.name; }

class MenuTest : public testing::TestWithParam<MenuRow> {};

TEST_P(MenuTest, OffersTheFieldsNotations) {
  const MenuRow& row = GetParam();
  std::vector<std::string_view> copyAs, pasteAs;
  for (const CopyAsEntry& entry : CopyAsEntries(row.controlId, "0"))
    copyAs.push_back(entry.info.name);
  for (const NotationInfo& info : PasteAsEntries(row.controlId)) pasteAs.push_back(info.name);
  EXPECT_EQ(copyAs, row.copyAs);
  EXPECT_EQ(pasteAs, row.pasteAs);
}

const std::vector<std::string_view> kIntegerCopy{"hex",      "oct",   "bin",  "bin32",
                                                 "unsigned", "color", "mode", "bases"};
const std::vector<std::string_view> kIntegerPaste{"hex",   "dec",  "oct",  "bin",
                                                  "color", "mode", "bases"};

INSTANTIATE_TEST_SUITE_P(
    Rows, MenuTest,
    testing::Values(MenuRow{"Hex", IDC_HEX, kIntegerCopy, kIntegerPaste},
                    MenuRow{"Bin", IDC_BIN, kIntegerCopy, kIntegerPaste},
                    MenuRow{"Degree", IDC_DEGREE, {"dms"}, {"dms"}},
                    MenuRow{"Radian", IDC_RADIAN, {}, {"dec"}},
                    MenuRow{"XyAngle", IDC_XY_ANGLE, {"dms", "quadrant"}, {"dms", "quadrant"}},
                    MenuRow{"Elevation", IDC_ELEVATION, {"dms", "slope"}, {"dms", "slope"}},
                    MenuRow{"EndZ", IDC_END_Z, {}, {"dec"}}, MenuRow{"Unknown", 0, {}, {}}),
    [](const testing::TestParamInfo<MenuRow>& info) { return info.param.name; });

// What "Copy as" writes, "Paste as" reads back as the same value, in every integer field, at
// the limits: the two sides of a notation cannot drift apart.
TEST(IntegerNotations, PasteReadsWhatCopyWrote) {
  const std::pair<Notation, Notation> kCopyThenPaste[] = {
      {Hex, Hex},          {Oct, Oct},     {Bin, Bin},           {Binary32, Bin},
      {Unsigned, Decimal}, {Color, Color}, {FileMode, FileMode}, {AllBases, AllBases}};
  for (int controlId : {IDC_HEX, IDC_DEC, IDC_OCT, IDC_BIN}) {
    const int base = controlId == IDC_HEX   ? 16
                     : controlId == IDC_DEC ? 10
                     : controlId == IDC_OCT ? 8
                                            : 2;
    for (std::int32_t value : {0, 1, 0755, 07777, 0xffffff, INT32_MAX, INT32_MIN, -1}) {
      const std::vector<CopyAsEntry> entries = CopyAsEntries(controlId, FieldTextOf(value, base));
      for (const auto& [copied, paste] : kCopyThenPaste) {
        SCOPED_TRACE(std::to_string(controlId) + " " + std::to_string(value) + " " +
                     std::string(InfoOf(copied).name));
        const auto entry =
            std::find_if(entries.begin(), entries.end(),
                         [copy = copied](const CopyAsEntry& e) { return e.info.notation == copy; });
        ASSERT_NE(entry, entries.end());
        if (!entry->text) continue;  // a colour or mode the value has none of
        const PasteAsResult pasted = PasteAs(controlId, paste, *entry->text);
        ASSERT_TRUE(pasted.fieldText.has_value());
        EXPECT_EQ(ReadLong(*pasted.fieldText, base), value);
      }
    }
  }
}

}  // namespace
