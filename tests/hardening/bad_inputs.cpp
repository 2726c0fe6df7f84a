// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tests/hardening/bad_inputs.h"

#include <vector>

namespace {

constexpr std::int32_t kMax = 2147483647;
constexpr std::size_t kOneMegabyte = 1 << 20;

}  // namespace

std::span<const BadInput> BadInputs() {
  // Built on first use, so that other static initialisers can ask for the catalogue.
  static const std::vector<BadInput> kBadInputs = {
      {"Empty", "", false, 0, 0, 0, 0, FloatReading::kZero},
      {"Blanks", "  \t ", false, 0, 0, 0, 0, FloatReading::kZero},
      {"Minus", "-", false, 0, 0, 0, 0, FloatReading::kZero},
      {"Plus", "+", false, 0, 0, 0, 0, FloatReading::kZero},
      {"Point", ".", false, 0, 0, 0, 0, FloatReading::kZero},
      // "e5" is a hexadecimal number.
      {"ExponentOnly", "e5", false, 0, 0xe5, 0, 0, FloatReading::kZero},
      {"HexPrefixOnly", "0x", false, 0, 0, 0, 0, FloatReading::kZero},
      {"HexFloat", "0x1p3", false, 0, 1, 0, 0, FloatReading::kZero},
      {"Inf", "inf", false, 0, 0, 0, 0, FloatReading::kZero},
      {"NaN", "nan", false, 0, 0, 0, 0, FloatReading::kZero},
      {"Huge", "1e308", false, 1, 0x1e308, 1, 1, FloatReading::kOther},
      {"MinusHuge", "-1e308", false, -1, -0x1e308, -1, -1, FloatReading::kOther},
      {"Overflowing", "1e999", false, 1, 0x1e999, 1, 1, FloatReading::kInfinite},
      {"SmallestSubnormal", "4.9e-324", false, 4, 4, 4, 0, FloatReading::kZeroWhenPasted},
      {"ThreeHundredDigits", std::string(300, '1'), false, kMax, kMax, kMax, kMax,
       FloatReading::kOther},
      // Sevens: beyond every integer range, beyond the double range, and not binary.
      {"OneMegabyte", std::string(kOneMegabyte, '7'), true, kMax, kMax, kMax, 0,
       FloatReading::kInfinite},
      {"OneMegabyteOfOnes", std::string(kOneMegabyte, '1'), true, kMax, kMax, kMax, kMax,
       FloatReading::kInfinite},
      {"FullWidthDigits", "１２３", false, 0, 0, 0, 0, FloatReading::kZero},
      {"Letters", "abcxyz", false, 0, 0xabc, 0, 0, FloatReading::kZero},
      {"Emoji", "😀", false, 0, 0, 0, 0, FloatReading::kZero},
      {"ControlCharacters", "\x01\x1b\x7f", false, 0, 0, 0, 0, FloatReading::kZero},
      {"ZeroByte",
       std::string("\0"
                   "5",
                   2),
       false, 0, 0, 0, 0, FloatReading::kZero},
  };
  return kBadInputs;
}
