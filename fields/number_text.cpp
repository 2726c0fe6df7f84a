// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "fields/number_text.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The C locale's white space, which is all that strtol and strtod skip.
bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// The value of `c` as a digit, or a value >= 36 when it is none.
constexpr int DigitValue(char c) {
  if (IsDecimalDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 36;
}

// DigitValue of every byte: a table lookup keeps the scan of a pasted megabyte of digits short.
constexpr auto kDigitValues = [] {
  std::array<unsigned char, 256> values{};
  for (int byte = 0; byte < 256; ++byte) values[byte] = DigitValue(static_cast<char>(byte));
  return values;
}();

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsCSpace(text[pos])) ++pos;
  return pos;
}

// Whether the eight bytes at `p` are all decimal digits: each has the high nibble 3, and adding
// 6 to it carries nothing out of its low nibble. A byte that carries out of itself fails the
// first test, so no carry can make a neighbour pass.
bool AreEightDigits(const char* p) {
  std::uint64_t bytes = 0;
  std::memcpy(&bytes, p, sizeof bytes);
  constexpr std::uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0;
  return ((bytes & kHighNibbles) | (((bytes + 0x0606060606060606) & kHighNibbles) >> 4)) ==
         0x3333333333333333;
}

// Eight digits a step where it can: a pasted megabyte of digits is read quickly.
std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (text.size() - pos >= 8 && AreEightDigits(text.data() + pos)) pos += 8;
  while (pos < text.size() && IsDecimalDigit(text[pos])) ++pos;
  return pos;
}

// A decimal number's text split into its parts; `end` is one past its last character.
struct DecimalSpelling {
  bool negative = false;
  std::size_t mantissaBegin = 0;  // after the sign
  std::size_t end = 0;            // 0 when the text holds no number
  // More significant digits before the point than any finite double has, and no exponent that
  // could take them back: the magnitude is at least 1e309.
  bool beyondRange = false;
};

DecimalSpelling SpellDecimal(std::string_view text) {
  DecimalSpelling s;
  std::size_t pos = SkipSpace(text, 0);
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    s.negative = text[pos] == '-';
    ++pos;
  }
  s.mantissaBegin = pos;
  pos = SkipDigits(text, pos);
  bool digits = pos > s.mantissaBegin;
  const std::size_t firstSignificant = std::min(pos, text.find_first_not_of('0', s.mantissaBegin));
  const bool manyDigits =
      pos - firstSignificant > std::numeric_limits<double>::max_exponent10 + std::size_t{1};
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fraction = pos + 1;
    pos = SkipDigits(text, fraction);
    digits = digits || pos > fraction;
  }
  if (!digits) return DecimalSpelling{};
  bool negativeExponent = false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    const bool minus = exponent < text.size() && text[exponent] == '-';
    if (exponent < text.size() && (text[exponent] == '+' || minus)) ++exponent;
    const std::size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) {
      pos = exponentEnd;
      negativeExponent = minus;
    }
  }
  s.end = pos;
  s.beyondRange = manyDigits && !negativeExponent;
  return s;
}

}  // namespace

std::int32_t ReadLong(std::string_view text, int base, std::size_t* end) {
  if (base != 2 && base != 8 && base != 10 && base != 16)
    throw std::invalid_argument("ReadLong: base must be 2, 8, 10 or 16");
  std::size_t pos = SkipSpace(text, 0);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise the "0" is the
  // number and reading stops at the "x", as strtol does.
  if (base == 16 && pos + 2 < text.size() && text[pos] == '0' &&
      (text[pos + 1] == 'x' || text[pos + 1] == 'X') && DigitValue(text[pos + 2]) < 16)
    pos += 2;
  const std::size_t digitsBegin = pos;
  while (pos < text.size() && kDigitValues[static_cast<unsigned char>(text[pos])] < base) ++pos;
  if (pos == digitsBegin) {
    if (end) *end = 0;
    return 0;
  }
  // One past the largest magnitude a signed 32-bit value can take; saturate there. Beyond 32
  // significant digits every base has passed it, so a pasted megabyte of digits costs one
  // scan and no more arithmetic.
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  constexpr std::size_t kSignificantDigits = 32;
  std::size_t first = digitsBegin;
  while (first < pos && text[first] == '0') ++first;
  std::int64_t magnitude = 0;
  for (std::size_t i = first; i < std::min(pos, first + kSignificantDigits); ++i)
    magnitude = std::min(magnitude * base + DigitValue(text[i]), kLimit);
  if (end) *end = pos;
  const std::int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
  return static_cast<std::int32_t>(value);
}

double ReadDouble(std::string_view text, std::size_t* end) {
  const DecimalSpelling s = SpellDecimal(text);
  if (end) *end = s.end;
  if (s.end == 0) return 0.0;
  // fast_float would give the same infinity, but only after a slower pass over every digit.
  if (s.beyondRange) return s.negative ? -kInfinity : kInfinity;
  // fast_float reads every decimal spelling SpellDecimal accepts, rounds to nearest as strtod
  // does, and like it gives an infinity for a value too large and a zero for one too small.
  // The sign is read above: fast_float takes no "+".
  double magnitude = 0.0;
  fast_float::from_chars(text.data() + s.mantissaBegin, text.data() + s.end, magnitude);
  return s.negative ? -magnitude : magnitude;
}

std::string FormatLong(std::int32_t value, int radix) {
  if (radix != 2 && radix != 8 && radix != 10 && radix != 16)
    throw std::invalid_argument("FormatLong: radix must be 2, 8, 10 or 16");
  // 32 binary digits and a sign are the longest text.
  std::array<char, 33> buffer{};
  const auto result = radix == 10
                          ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value)
                          : std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                          static_cast<std::uint32_t>(value), radix);
  return std::string(buffer.data(), result.ptr);
}

// {fmt} writes the exact decimal value of a double rounded to the precision asked for, a tie
// to even, as glibc's printf does; it consults no locale unless asked to. FMT_COMPILE keeps
// only the code for this one format in the program, less than half of the general formatter.
std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return std::string(kNoValue);
  return fmt::format(FMT_COMPILE("{:.{}f}"), value, decimals);
}

std::string FormatGeneral(double value, int significantDigits) {
  if (!std::isfinite(value)) return std::string(kNoValue);
  return fmt::format(FMT_COMPILE("{:.{}g}"), value, significantDigits);
}
