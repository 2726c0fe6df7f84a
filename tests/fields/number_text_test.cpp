// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Boundary tests of the number-text readers and writers.
#include "fields/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LongCase {
  const char* text;
  int base;
  std::int32_t value;
  std::size_t end;
};

std::ostream& operator<<(std::ostream& out, const LongCase& c) {
  return out << '"' << c.text << "\" base " << c.base;
}

class ReadLongTest : public testing::TestWithParam<LongCase> {};

TEST_P(ReadLongTest, ReadsAsStrtolClampedTo32Bits) {
  const LongCase& c = GetParam();
  std::size_t end = 99;
  EXPECT_EQ(ReadLong(c.text, c.base, &end), c.value);
  EXPECT_EQ(end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLongTest,
    testing::Values(
        LongCase{"255", 10, 255, 3}, LongCase{"  \t-12abc", 10, -12, 6}, LongCase{"+7", 10, 7, 2},
        LongCase{"", 10, 0, 0}, LongCase{"-", 10, 0, 0}, LongCase{"+", 16, 0, 0},
        LongCase{"abc", 10, 0, 0}, LongCase{"2147483647", 10, 2147483647, 10},
        LongCase{"2147483648", 10, 2147483647, 10}, LongCase{"-2147483648", 10, INT32_MIN, 11},
        LongCase{"-2147483649", 10, INT32_MIN, 11},
        LongCase{"99999999999999999999999", 10, 2147483647, 23},
        LongCase{"ffffffff", 16, 2147483647, 8}, LongCase{"7fffffff", 16, 2147483647, 8},
        LongCase{"-80000000", 16, INT32_MIN, 9}, LongCase{"0x1F", 16, 31, 4},
        LongCase{"0X1f", 16, 31, 4}, LongCase{"-0x10", 16, -16, 5},
        // "0x" not followed by a hexadecimal digit: the "0" is the number.
        LongCase{"0x", 16, 0, 1}, LongCase{"0xg", 16, 0, 1}, LongCase{"0x10", 10, 0, 1},
        LongCase{"0x10", 8, 0, 1}, LongCase{"1012", 2, 5, 3}, LongCase{"0b101", 2, 0, 1},
        LongCase{"778", 8, 63, 2}, LongCase{"37777777777", 8, 2147483647, 11},
        LongCase{"11111111111111111111111111111111", 2, 2147483647, 32},
        // Full-width digits are not digits.
        LongCase{"\xef\xbc\x91", 10, 0, 0},
        // Every blank of the C locale leads: a vertical tab and a form feed too.
        LongCase{"\v255", 10, 255, 4}, LongCase{"\f\r\n-7", 10, -7, 5},
        LongCase{"+0x1f", 16, 31, 5}),
    [](const testing::TestParamInfo<LongCase>& info) {
      return "row" + std::to_string(info.index);
    });

struct DoubleCase {
  const char* text;
  double value;
  std::size_t end;
};

std::ostream& operator<<(std::ostream& out, const DoubleCase& c) {
  return out << '"' << c.text << '"';
}

class ReadDoubleTest : public testing::TestWithParam<DoubleCase> {};

TEST_P(ReadDoubleTest, ReadsDecimalNotationOnly) {
  const DoubleCase& c = GetParam();
  std::size_t end = 99;
  const double value = ReadDouble(c.text, &end);
  EXPECT_EQ(value, c.value);
  EXPECT_EQ(std::signbit(value), std::signbit(c.value));
  EXPECT_EQ(end, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadDoubleTest,
    testing::Values(
        DoubleCase{"0.5", 0.5, 3}, DoubleCase{" +1.5e1x", 15.0, 7}, DoubleCase{"-.25", -0.25, 4},
        DoubleCase{"5.", 5.0, 2}, DoubleCase{".", 0.0, 0}, DoubleCase{"-", 0.0, 0},
        DoubleCase{"", 0.0, 0}, DoubleCase{"e5", 0.0, 0}, DoubleCase{"1e", 1.0, 1},
        DoubleCase{"1e+", 1.0, 1}, DoubleCase{"2E-1", 0.2, 4}, DoubleCase{"-0", -0.0, 2},
        // Other notations read only as far as their decimal prefix.
        DoubleCase{"0x10", 0.0, 1}, DoubleCase{"0x1p3", 0.0, 1}, DoubleCase{"inf", 0.0, 0},
        DoubleCase{"-infinity", 0.0, 0}, DoubleCase{"nan", 0.0, 0}, DoubleCase{"1,5", 1.0, 1},
        // Beyond the range: an infinity of the sign, or a zero.
        DoubleCase{"1e999", kInf, 5}, DoubleCase{"-1e999", -kInf, 6},
        DoubleCase{"1e99999999999999999999", kInf, 22}, DoubleCase{"1e-999", 0.0, 6},
        DoubleCase{"-1e-99999999999999999999", -0.0, 24}, DoubleCase{"0.000001e-320", 0.0, 13},
        DoubleCase{"1000e306", kInf, 8},
        DoubleCase{"1.7976931348623157e308", 1.7976931348623157e308, 22},
        DoubleCase{"4.9e-324", 4.9e-324, 8}, DoubleCase{"0e99999", 0.0, 7},
        // Either side of half the largest double's last step, and of half the
        // smallest subnormal.
        DoubleCase{"1.7976931348623158e308", 1.7976931348623157e308, 22},
        DoubleCase{"1.7976931348623159e308", kInf, 22},
        DoubleCase{"2.4703282292062327e-324", 0.0, 23},
        DoubleCase{"2.4703282292062328e-324", 4.9e-324, 23},
        DoubleCase{"2.2250738585072011e-308", 2.2250738585072009e-308, 23},
        // A tie goes to even; a digit far beyond the 17th breaks it.
        DoubleCase{"9007199254740993", 9007199254740992.0, 16},
        DoubleCase{"9007199254740993.0000000000000000000000001", 9007199254740994.0, 42},
        // The 32-bit limits.
        DoubleCase{"2147483647", 2147483647.0, 10}, DoubleCase{"-2147483648", -2147483648.0, 11},
        DoubleCase{"4294967295", 4294967295.0, 10}, DoubleCase{"3.4028235e38", 3.4028235e38, 12},
        DoubleCase{"5.e1", 50.0, 4}, DoubleCase{"\v+.5", 0.5, 4}),
    [](const testing::TestParamInfo<DoubleCase>& info) {
      return "row" + std::to_string(info.index);
    });

TEST(ReadDoubleTest, ReadsLongRunsOfDigits) {
  const std::string zeros308(308, '0');
  const std::string zeros400(400, '0');
  struct {
    std::string text;
    double value;
    std::size_t end;
  } const cases[] = {
      {"1" + std::string(300, '0'), 1e300, 301},
      {"0." + zeros400 + "1e401", 1.0, 407},
      // 309 digits before the point still fit a double, 310 do not; zeros in front do not count.
      {"1" + zeros308, 1e308, 309},
      {"1" + zeros308 + "0", kInf, 310},
      {zeros400 + "1" + zeros308, 1e308, 709},
      {"-" + std::string(400, '7') + "x", -kInf, 401},
      // A negative exponent takes digits back; "e-" without digits is no exponent.
      {"1" + zeros400 + "e-100", 1e300, 406},
      {"1" + zeros400 + "e-", kInf, 401},
      {"1" + zeros400 + ".5e+0", kInf, 406},
      // Digits read eight at a time stop at the first byte that is none, on either side of them.
      {"1234567:89", 1234567.0, 7},
      {"1234567/89", 1234567.0, 7},
      {"123456789012345\x80"
       "6",
       123456789012345.0, 15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 24) + "... (" + std::to_string(c.text.size()) + " characters)");
    std::size_t end = 0;
    EXPECT_EQ(ReadDouble(c.text, &end), c.value);
    EXPECT_EQ(end, c.end);
  }
}

TEST(FormatLongTest, WritesAsLtoa) {
  struct {
    std::int32_t value;
    int radix;
    const char* text;
  } const cases[] = {
      {0, 2, "0"},
      {0, 10, "0"},
      {255, 16, "ff"},
      {255, 8, "377"},
      {255, 2, "11111111"},
      {-1, 10, "-1"},
      {-1, 16, "ffffffff"},
      {-1, 8, "37777777777"},
      {-1, 2, "11111111111111111111111111111111"},
      {INT32_MIN, 10, "-2147483648"},
      {INT32_MIN, 16, "80000000"},
      {INT32_MAX, 2, "1111111111111111111111111111111"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " radix " + std::to_string(c.radix));
    EXPECT_EQ(FormatLong(c.value, c.radix), c.text);
  }
}

TEST(FormatFixedTest, WritesAsPrintf) {
  struct {
    double value;
    int decimals;
    const char* text;
  } const cases[] = {
      {30.0, 5, "30.00000"},
      {0.5235987755982989, 5, "0.52360"},
      {-1.9e-10, 8, "-0.00000000"},
      {-0.0, 6, "-0.000000"},
      {5.0, 6, "5.000000"},
      // A tie rounds to even, as printf; one step above it rounds up.
      {0.125, 2, "0.12"},
      {0.375, 2, "0.38"},
      {0.5, 0, "0"},
      {2.5, 0, "2"},
      {3.5, 0, "4"},
      {0.015625, 5, "0.01562"},
      {0.046875, 5, "0.04688"},
      {-0.015625, 5, "-0.01562"},
      {0.015625000000000003, 5, "0.01563"},
      {0.001953125, 8, "0.00195312"},
      {0.005859375, 8, "0.00585938"},
      {0.0078125, 6, "0.007812"},
      {0.0234375, 6, "0.023438"},
      // Subnormals and the smallest normal round to zero, keeping their sign.
      {4.9e-324, 8, "0.00000000"},
      {-4.9e-324, 6, "-0.000000"},
      {2.2250738585072014e-308, 5, "0.00000"},
      // The 32-bit limits, integer and single precision.
      {2147483647.0, 6, "2147483647.000000"},
      {-2147483648.0, 5, "-2147483648.00000"},
      {4294967295.0, 8, "4294967295.00000000"},
      {3.4028234663852886e38, 6, "340282346638528859811704183484516925440.000000"},
      {1e308, 0,
       "1000000000000000010979063629440455417404923096773118463368106829031575854049114915371633"
       "2897849468889906124966972117251561159028374314008832830700919814604603127166450293302718"
       "5697489699588559043338384466165001178426897626212945177628091195786707458122783970171784"
       "415105291802893207873272974885715430223118336"},
      {1e20, 1, "100000000000000000000.0"},
      {kInf, 5, "No Value"},
      {-kInf, 8, "No Value"},
      {std::nan(""), 6, "No Value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text);
  }
}

TEST(FormatFixedTest, WritesTheLargestDoubleWhole) {
  const std::string text = FormatFixed(-std::numeric_limits<double>::max(), 8);
  EXPECT_EQ(text.size(), 1 + 309 + 1 + 8u);
  EXPECT_EQ(text.substr(0, 6), "-17976");
}

TEST(FormatGeneralTest, WritesAsPrintf) {
  struct {
    double value;
    const char* text;
  } const cases[] = {
      {0.0, "0"},
      {-0.0, "-0"},
      {1.5, "1.5"},
      {1234567.0, "1.23457e+06"},
      {0.0001, "0.0001"},
      {0.00001, "1e-05"},
      {100000.0, "100000"},
      {123456.5, "123456"},  // a tie rounds to even
      {999998.5, "999998"},
      {999999.5, "1e+06"},
      {4.9e-324, "4.94066e-324"},
      {3.4028234663852886e38, "3.40282e+38"},
      {2147483647.0, "2.14748e+09"},
      {1e308, "1e+308"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatGeneral(c.value, 6), c.text);
  }
}

// The process locale must not leak into the texts: a comma locale changes nothing.
TEST(NumberTextLocaleTest, IgnoresTheProcessLocale) {
  for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
    SCOPED_TRACE(name);
    // A missing locale would leave the C locale in place and prove nothing.
    if (std::setlocale(LC_ALL, name) == nullptr) {
      ADD_FAILURE() << "locale not installed (tools/install-deps generates it)";
      continue;
    }
    EXPECT_EQ(FormatFixed(5.0, 6), "5.000000");
    EXPECT_EQ(ReadDouble("0.5"), 0.5);
    EXPECT_EQ(ReadDouble("0,5"), 0.0);
  }
  std::setlocale(LC_ALL, "C");
}

}  // namespace
