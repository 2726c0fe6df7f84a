// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The number and angle page driven as the user drives it: focus a field, type over its text,
// and compare every field of the window afterwards.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "session/user_session.h"
#include "tests/support/session.h"

void PrintTo(const UserSession::Write& write, std::ostream* out) {
  *out << write.controlId << " \"" << write.text << '"';
}

namespace {

struct PageCase {
  const char* name;
  const char* script;
  std::vector<std::pair<const char*, std::string>> changed;  // fields that differ from start
};

std::ostream& operator<<(std::ostream& out, const PageCase& c) { return out << c.name; }

class RadixAnglePageTest : public testing::TestWithParam<PageCase> {};

TEST_P(RadixAnglePageTest, EveryFieldShowsTheExpectedText) {
  FieldTexts expected = StartTexts();
  for (const auto& [field, text] : GetParam().changed) expected[field] = text;
  EXPECT_EQ(RunSession(GetParam().script), expected);
}

std::string PageCaseName(const testing::TestParamInfo<PageCase>& info) { return info.param.name; }

const std::string k32Ones(32, '1');
const std::string k31Ones(31, '1');

INSTANTIATE_TEST_SUITE_P(
    Radix, RadixAnglePageTest,
    testing::Values(
        PageCase{
            "Dec255",
            "focus DEC\ntype 255",
            {{"DEC", "255"}, {"HEX", "ff"}, {"OCT", "377"}, {"BIN", "11111111"}, {"active", "1"}}},
        PageCase{"DecMinus1",
                 "focus DEC\ntype -1",
                 {{"DEC", "-1"},
                  {"HEX", "ffffffff"},
                  {"OCT", "37777777777"},
                  {"BIN", k32Ones},
                  {"active", "1"}}},
        PageCase{"HexClampsNotWraps",
                 "focus HEX\ntype ffffffff",
                 {{"HEX", "ffffffff"},
                  {"DEC", "2147483647"},
                  {"OCT", "17777777777"},
                  {"BIN", k31Ones},
                  {"active", "2"}}},
        PageCase{
            "HexPrefix",
            "focus HEX\ntype 0x1F",
            {{"HEX", "0x1F"}, {"DEC", "31"}, {"OCT", "37"}, {"BIN", "11111"}, {"active", "2"}}},
        PageCase{"BinStopsAtTwo",
                 "focus BIN\ntype 1012",
                 {{"BIN", "1012"}, {"DEC", "5"}, {"HEX", "5"}, {"OCT", "5"}, {"active", "4"}}},
        PageCase{"Oct777",
                 "focus OCT\ntype 777",
                 {{"OCT", "777"},
                  {"BIN", "111111111"},
                  {"DEC", "511"},
                  {"HEX", "1ff"},
                  {"active", "3"}}},
        PageCase{"DecTrailingLetters",
                 "focus DEC\ntype 12abc",
                 {{"DEC", "12abc"}, {"HEX", "c"}, {"OCT", "14"}, {"BIN", "1100"}, {"active", "1"}}},
        PageCase{"ClearShowsZero", "focus DEC\ntype 255\nclear", {{"DEC", ""}, {"active", "1"}}},
        PageCase{"DecAboveRangeClamps",
                 "focus DEC\npaste 99999999999",
                 {{"DEC", "99999999999"},
                  {"HEX", "7fffffff"},
                  {"OCT", "17777777777"},
                  {"BIN", k31Ones},
                  {"active", "1"}}},
        PageCase{"DecBelowRangeClamps",
                 "focus DEC\npaste -99999999999",
                 {{"DEC", "-99999999999"},
                  {"HEX", "80000000"},
                  {"OCT", "20000000000"},
                  {"BIN", "1" + std::string(31, '0')},
                  {"active", "1"}}},
        PageCase{"FocusAloneChangesNothing", "focus HEX\nfocus SIN\nfocus DEC", {{"active", "1"}}}),
    PageCaseName);

// Each radix field writes the other three in an order of its own: the octal one binary first.
TEST(RadixAnglePageOrderTest, EachRadixFieldWritesTheOthersInItsOrder) {
  struct {
    int field;
    const char* text;
    std::vector<UserSession::Write> writes;
  } const cases[] = {
      {IDC_DEC, "255", {{IDC_HEX, "ff"}, {IDC_OCT, "377"}, {IDC_BIN, "11111111"}}},
      {IDC_HEX, "ff", {{IDC_DEC, "255"}, {IDC_OCT, "377"}, {IDC_BIN, "11111111"}}},
      {IDC_OCT, "377", {{IDC_BIN, "11111111"}, {IDC_DEC, "255"}, {IDC_HEX, "ff"}}},
      {IDC_BIN, "11111111", {{IDC_DEC, "255"}, {IDC_HEX, "ff"}, {IDC_OCT, "377"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    UserSession session;
    session.Focus(c.field);
    session.Paste(c.text);
    EXPECT_EQ(session.Writes(), c.writes);
  }
}

// The angle rows: degree, radian, grad, sine, cosine, tangent.
PageCase Angle(const char* name, const char* script, const char* active,
               std::vector<std::string> texts) {
  return {name,
          script,
          {{"DEGREE", texts[0]},
           {"RADIAN", texts[1]},
           {"GRAD", texts[2]},
           {"SIN", texts[3]},
           {"COS", texts[4]},
           {"TAN", texts[5]},
           {"active", active}}};
}

const std::vector<std::string> kAngleZero = {"0.00000",    "0.00000",    "0.00000",
                                             "0.00000000", "1.00000000", "0.00000000"};

INSTANTIATE_TEST_SUITE_P(
    Angle, RadixAnglePageTest,
    testing::Values(
        Angle("Degree30", "focus DEGREE\ntype 30", "5",
              {"30", "0.52360", "33.33333", "0.50000000", "0.86602540", "0.57735027"}),
        Angle("Degree90", "focus DEGREE\ntype 90", "5",
              {"90", "1.57080", "100.00000", "1.00000000", "0.00000000", "No Value"}),
        Angle("Degree450", "focus DEGREE\ntype 450", "5",
              {"90.00000", "1.57080", "100.00000", "1.00000000", "0.00000000", "No Value"}),
        Angle("Degree360", "focus DEGREE\ntype 360", "5",
              {"360", "6.28319", "400.00000", "-0.00000000", "1.00000000", "-0.00000000"}),
        Angle("Degree720", "focus DEGREE\ntype 720", "5",
              {"360.00000", "6.28319", "400.00000", "-0.00000000", "1.00000000", "-0.00000000"}),
        Angle("Degree3600", "focus DEGREE\ntype 3600", "5",
              {"360.00000", "6.28319", "400.00000", "-0.00000000", "1.00000000", "-0.00000000"}),
        Angle("DegreeMinus400", "focus DEGREE\ntype -400", "5",
              {"-40.00000", "-0.69813", "-44.44444", "-0.64278761", "0.76604444", "-0.83909963"}),
        Angle("DegreeMinus90", "focus DEGREE\ntype -90", "5",
              {"-90", "-1.57080", "-100.00000", "-1.00000000", "0.00000000", "No Value"}),
        Angle("DegreeMinus270", "focus DEGREE\ntype -270", "5",
              {"-270", "-4.71239", "-300.00000", "1.00000000", "-0.00000000", "No Value"}),
        // Near a right angle the tangent shows the degrees-to-radians factor's last digit.
        Angle("Degree89", "focus DEGREE\ntype 89", "5",
              {"89", "1.55334", "98.88889", "0.99984770", "0.01745241", "57.28996147"}),
        Angle("DegreeNearRightAngle", "focus DEGREE\ntype 270.000001", "5",
              {"270.000001", "4.71239", "300.00000", "-1.00000000", "0.00000002",
               "-57781414.15149681"}),
        Angle("DegreeHexNotation", "focus DEGREE\ntype 0x10", "5",
              {"0x10", "0.00000", "0.00000", "0.00000000", "1.00000000", "0.00000000"}),
        Angle("Radian7", "focus RADIAN\ntype 7", "6",
              {"41.07019", "0.71681", "45.63354", "0.65698309", "0.75390531", "0.87143980"}),
        Angle("RadianHalfPi", "focus RADIAN\ntype 1.5707963267948966", "6",
              {"90.00000", "1.5707963267948966", "100.00000", "1.00000000", "0.00000000",
               "No Value"}),
        Angle("RadianShownFor360", "focus RADIAN\ntype 6.28319", "6", kAngleZero),
        Angle("RadianFourPi", "focus RADIAN\npaste 12.566370614359172", "6", kAngleZero),
        Angle("Grad100", "focus GRAD\ntype 100", "7",
              {"90.00000", "1.57080", "100", "1.00000000", "0.00000000", "No Value"}),
        Angle("Grad450", "focus GRAD\ntype 450", "7",
              {"45.00000", "0.78540", "50.00000", "0.70710678", "0.70710678", "1.00000000"}),
        Angle("GradJustAboveBound", "focus GRAD\npaste 400.000001", "7", kAngleZero),
        Angle("SineHalf", "focus SIN\ntype 0.5", "8",
              {"30.00000000", "0.52360", "33.33333", "0.5", "0.86602540", "0.57735027"}),
        Angle("SineOneAndAHalf", "focus SIN\npaste 1.5", "8",
              {"30.00000000", "0.52360", "33.33333", "0.50000000", "0.86602540", "0.57735027"}),
        Angle("SineOne", "focus SIN\ntype 1", "8",
              {"90.00000000", "1.57080", "100.00000", "1", "0.00000000", "No Value"}),
        Angle("SineJustAboveOne", "focus SIN\npaste 1.000000001", "8",
              {"0.00000000", "0.00000", "0.00000", "0.00000000", "1.00000000", "0.00000000"}),
        Angle("CosineZero", "focus COS\ntype 0", "10",
              {"90.00000000", "1.57080", "100.00000", "1.00000000", "0", "No Value"}),
        Angle("CosineMinusTwo", "focus COS\ntype -2", "10",
              {"180.00000001", "3.14159", "200.00000", "-0.00000000", "-1.00000000", "0.00000000"}),
        Angle("TangentOne", "focus TAN\ntype 1", "9",
              {"45.00000000", "0.78540", "50.00000", "0.70710678", "0.70710678", "1"}),
        // The degrees shown carry the radians-to-degrees factor's last digit.
        Angle("Tangent148", "focus TAN\ntype 1.48", "9",
              {"55.95406264", "0.97658", "62.17118", "0.82858897", "0.55985741", "1.48"}),
        Angle("TangentLetters", "focus TAN\ntype abc", "9",
              {"0.00000000", "0.00000", "0.00000", "0.00000000", "1.00000000", "abc"}),
        Angle("TangentInfinite", "focus TAN\ntype 1e999", "9",
              {"90.00000000", "1.57080", "100.00000", "1.00000000", "0.00000000", "1e999"}),
        // A huge degree reduces in one step: 1e300 is a whole number of turns.
        Angle("DegreeHuge", "focus DEGREE\npaste 1e300", "5",
              {"360.00000", "6.28319", "400.00000", "-0.00000000", "1.00000000", "-0.00000000"})),
    PageCaseName);

// An infinite angle has no value: the typed field keeps its text, the other five show
// "No Value", and nothing loops.
INSTANTIATE_TEST_SUITE_P(
    InfiniteAngle, RadixAnglePageTest,
    testing::Values(Angle("Degree", "focus DEGREE\npaste 1e999", "5",
                          {"1e999", "No Value", "No Value", "No Value", "No Value", "No Value"}),
                    Angle("Radian", "focus RADIAN\npaste -1e999", "6",
                          {"No Value", "-1e999", "No Value", "No Value", "No Value", "No Value"}),
                    Angle("Grad", "focus GRAD\npaste 1e999", "7",
                          {"No Value", "No Value", "1e999", "No Value", "No Value", "No Value"}),
                    Angle("Sine", "focus SIN\npaste 1e999", "8",
                          {"No Value", "No Value", "No Value", "1e999", "No Value", "No Value"}),
                    Angle("Cosine", "focus COS\npaste -1e999", "10",
                          {"No Value", "No Value", "No Value", "No Value", "-1e999", "No Value"}),
                    Angle("ThenAFiniteAngle", "focus SIN\npaste 1e999\nfocus DEGREE\ntype 30", "5",
                          {"30", "0.52360", "33.33333", "0.50000000", "0.86602540", "0.57735027"})),
    PageCaseName);

// The two groups never touch each other.
TEST(RadixAnglePageGroupsTest, AngleAndRadixCascadesStayApart) {
  FieldTexts expected = StartTexts();
  expected["DEC"] = "255";
  expected["HEX"] = "ff";
  expected["OCT"] = "377";
  expected["BIN"] = "11111111";
  const FieldTexts texts = RunSession("focus DEC\ntype 255\nfocus DEGREE\ntype 30\nfocus HEX");
  for (const char* field : {"DEC", "HEX", "OCT", "BIN"})
    EXPECT_EQ(texts.at(field), expected[field]);
  EXPECT_EQ(texts.at("SIN"), "0.50000000");
  EXPECT_EQ(texts.at("active"), "2");
}

}  // namespace
