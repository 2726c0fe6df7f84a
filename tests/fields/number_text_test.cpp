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
    testing::Values(DoubleCase{"0.5", 0.5, 3}, DoubleCase{" +1.5e1x", 15.0, 7},
                    DoubleCase{"-.25", -0.25, 4}, DoubleCase{"5.", 5.0, 2}, DoubleCase{".", 0.0, 0},
                    DoubleCase{"-", 0.0, 0}, DoubleCase{"", 0.0, 0}, DoubleCase{"e5", 0.0, 0},
                    DoubleCase{"1e", 1.0, 1}, DoubleCase{"1e+", 1.0, 1}, DoubleCase{"2E-1", 0.2, 4},
                    DoubleCase{"-0", -0.0, 2},
                    // Other notations read only as far as their decimal prefix.
                    DoubleCase{"0x10", 0.0, 1}, DoubleCase{"0x1p3", 0.0, 1},
                    DoubleCase{"inf", 0.0, 0}, DoubleCase{"-infinity", 0.0, 0},
                    DoubleCase{"nan", 0.0, 0}, DoubleCase{"1,5", 1.0, 1},
                    // Beyond the range: an infinity of the sign, or a zero.
                    DoubleCase{"1e999", kInf, 5}, DoubleCase{"-1e999", -kInf, 6},
                    DoubleCase{"1e99999999999999999999", kInf, 22}, DoubleCase{"1e-999", 0.0, 6},
                    DoubleCase{"-1e-99999999999999999999", -0.0, 24},
                    DoubleCase{"0.000001e-320", 0.0, 13}, DoubleCase{"1000e306", kInf, 8},
                    DoubleCase{"1.7976931348623157e308", 1.7976931348623157e308, 22},
                    DoubleCase{"4.9e-324", 4.9e-324, 8}, DoubleCase{"0e99999", 0.0, 7},
                    DoubleCase{"5.e1", 50.0, 4}, DoubleCase{"\v+.5", 0.5, 4}),
    [](const testing::TestParamInfo<DoubleCase>& info) {
      return "row" + std::to_string(info.index);
    });

TEST(ReadDoubleTest, ReadsThreeHundredDigits) {
  const std::string text = "1" + std::string(300, '0');
  EXPECT_EQ(ReadDouble(text), 1e300);
  EXPECT_EQ(ReadDouble("0." + std::string(400, '0') + "1e401"), 1.0);
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
      {0.125, 2, "0.12"},  // a tie rounds to even, as printf
      {0.375, 2, "0.38"},
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

TEST(FormatGeneralTest, WritesSixSignificantDigits) {
  EXPECT_EQ(FormatGeneral(0.0, 6), "0");
  EXPECT_EQ(FormatGeneral(1.5, 6), "1.5");
  EXPECT_EQ(FormatGeneral(1234567.0, 6), "1.23457e+06");
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
