#include "fields/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace {

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

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsDecimalDigit(text[pos])) ++pos;
  return pos;
}

// A decimal number's text split into its parts; `end` is one past its last character.
struct DecimalSpelling {
  bool negative = false;
  std::size_t mantissaBegin = 0;  // after the sign
  std::size_t pointPos = 0;       // where the point stands, or the mantissa's end without one
  std::size_t mantissaEnd = 0;
  std::size_t end = 0;  // 0 when the text holds no number
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
  s.pointPos = pos;
  bool digits = pos > s.mantissaBegin;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fraction = pos + 1;
    pos = SkipDigits(text, fraction);
    digits = digits || pos > fraction;
  }
  if (!digits) return DecimalSpelling{};
  s.mantissaEnd = pos;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) pos = exponentEnd;
  }
  s.end = pos;
  return s;
}

// Whether a number that from_chars found out of range is too large (rather than too small):
// its decimal magnitude is the position of the first significant digit plus the exponent.
bool IsOverflow(std::string_view text, const DecimalSpelling& s) {
  long long magnitude = 0;
  bool seenSignificant = false;
  for (std::size_t i = s.mantissaBegin; i < s.mantissaEnd && !seenSignificant; ++i) {
    if (text[i] == '.') continue;
    if (text[i] != '0') {
      seenSignificant = true;
      magnitude = static_cast<long long>(s.pointPos) - static_cast<long long>(i);
      if (i > s.pointPos) ++magnitude;  // a fraction digit: 0.5 has magnitude 0
    }
  }
  long long exponent = 0;
  if (s.end > s.mantissaEnd) {
    std::size_t pos = s.mantissaEnd + 1;
    const bool negative = text[pos] == '-';
    if (text[pos] == '+' || text[pos] == '-') ++pos;
    // Any exponent beyond this decides the outcome alone; stop before it can overflow.
    constexpr long long kExponentCap = 1'000'000'000;
    for (; pos < s.end && exponent < kExponentCap; ++pos)
      exponent = exponent * 10 + (text[pos] - '0');
    if (negative) exponent = -exponent;
  }
  return magnitude + exponent > 0;
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
  double magnitude = 0.0;
  const char* first = text.data() + s.mantissaBegin;
  const char* last = text.data() + s.end;
  const auto [ptr, ec] = std::from_chars(first, last, magnitude, std::chars_format::general);
  if (ec == std::errc::result_out_of_range)
    magnitude = IsOverflow(text, s) ? std::numeric_limits<double>::infinity() : 0.0;
  else if (ec != std::errc() || ptr != last)
    throw std::logic_error("ReadDouble: from_chars disagrees with the decimal spelling");
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

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return std::string(kNoValue);
  // The longest fixed text of a finite double: a sign, 309 integer digits, a point, decimals.
  std::string text(std::numeric_limits<double>::max_exponent10 + 3 + decimals, '\0');
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) throw std::logic_error("FormatFixed: buffer too small");
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  return text;
}

std::string FormatGeneral(double value, int significantDigits) {
  if (!std::isfinite(value)) return std::string(kNoValue);
  // Scientific notation keeps "%g" short: digits, a point, a sign and a 3-digit exponent.
  std::string text(significantDigits + 16, '\0');
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::general, significantDigits);
  if (result.ec != std::errc()) throw std::logic_error("FormatGeneral: buffer too small");
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  return text;
}
