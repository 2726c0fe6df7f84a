// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Integer texts far longer than any 32-bit value: the reader stops doing arithmetic after the
// first 32 significant digits, which must not change what it reads, wherever the leading
// zeros and the sign stand.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "fields/number_text.h"

namespace {

struct LongCase {
  const char* name;
  std::string text;
  int base;
  std::int32_t value;
};

std::ostream& operator<<(std::ostream& out, const LongCase& c) { return out << c.name; }

const std::string kZeros(100000, '0');

class LongNumberTest : public testing::TestWithParam<LongCase> {};

TEST_P(LongNumberTest, ReadsAsTheShortSpelling) {
  const LongCase& c = GetParam();
  std::size_t end = 0;
  EXPECT_EQ(ReadLong(c.text + "z", c.base, &end), c.value);
  EXPECT_EQ(end, c.text.size());  // every digit counts, the "z" does not
}

std::string LongCaseName(const testing::TestParamInfo<LongCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    ReadLong, LongNumberTest,
    testing::Values(
        LongCase{"ZerosThen31Ones", kZeros + std::string(31, '1'), 2, 2147483647},
        LongCase{"ZerosThen2To31", kZeros + "1" + std::string(31, '0'), 2, 2147483647},
        LongCase{"MinusZerosThen2To31", "-" + kZeros + "1" + std::string(31, '0'), 2,
                 -2147483647 - 1},
        LongCase{"ZerosThenHexMax", kZeros + "7fffffff", 16, 2147483647},
        LongCase{"HexPrefixZerosThenOne", "0x" + kZeros + "1", 16, 1},
        LongCase{"MinusZerosThenHexMin", "-" + kZeros + "80000000", 16, -2147483647 - 1},
        LongCase{"MinusZerosThenBeyondMin", "-" + kZeros + "2147483649", 10, -2147483647 - 1},
        LongCase{"ZerosThenOctal", kZeros + "17777777777", 8, 2147483647},
        LongCase{"ThirtyThreeDigitsDecimal", "1" + std::string(32, '0'), 10, 2147483647},
        LongCase{"DigitsPastThe32nd", "1" + std::string(100000, '9'), 10, 2147483647}),
    LongCaseName);

}  // namespace
