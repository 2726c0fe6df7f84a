// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "notations/integer_notations.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <algorithm>
#include <array>

#include "fields/number_text.h"
#include "notations/folded_text.h"

namespace {

constexpr std::int64_t kPatternSpan = std::int64_t{1} << 32;
// Far beyond 32 bits, so that a long run of digits saturates here and stays out of range.
constexpr std::int64_t kSaturation = std::int64_t{1} << 40;

char PrefixLetter(int base) { return base == 16 ? 'x' : base == 8 ? 'o' : base == 2 ? 'b' : 0; }

// The digits of `text` in `base`, grouped or not, and nothing else.
std::optional<std::int64_t> ReadDigits(std::string_view text, int base) {
  const auto digits = Ungrouped(text, base);
  if (!digits) return std::nullopt;
  std::int64_t magnitude = 0;
  for (char c : *digits) magnitude = std::min(magnitude * base + DigitValue(c), kSaturation);
  return magnitude;
}

// `text` without a leading "0x", "0o" or "0b" of `base` (either case); base 10 has none.
std::string_view WithoutPrefix(std::string_view text, int base) {
  const char letter = PrefixLetter(base);
  if (letter != 0 && text.size() > 2 && text[0] == '0' && (text[1] | 0x20) == letter)
    text.remove_prefix(2);
  return text;
}

std::optional<std::int64_t> ReadFolded(std::string_view text, int base) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const auto magnitude = ReadDigits(WithoutPrefix(text, base), base);
  if (!magnitude) return std::nullopt;
  return negative ? -*magnitude : *magnitude;
}

// The base a line of WriteAllBases names by its prefix, decimal where it has none.
int BaseOfLine(std::string_view line) {
  const std::string_view digits = line.substr(line.starts_with('-') || line.starts_with('+'));
  if (digits.size() > 2 && digits[0] == '0') {
    for (int base : {16, 8, 2})
      if ((digits[1] | 0x20) == PrefixLetter(base)) return base;
  }
  return 10;
}

// Each permission bit of a file mode, in the order "rwxr-xr-x" writes them, and the special
// bit (setuid, setgid, sticky) that shares each third letter's place.
struct ModeTriad {
  int shift;
  int special;
  char specialWithX;     // 's' or 't'
  char specialWithoutX;  // 'S' or 'T'
};
constexpr std::array<ModeTriad, 3> kModeTriads{{
    {6, 04000, 's', 'S'},
    {3, 02000, 's', 'S'},
    {0, 01000, 't', 'T'},
}};
constexpr std::int32_t kLargestMode = 07777;
constexpr std::string_view kFileTypes = "-dlcbps";

}  // namespace

std::string WritePrefixed(std::int32_t value, int base) {
  const auto pattern = static_cast<std::uint32_t>(value);
  switch (base) {
    case 16:
      return fmt::format(FMT_COMPILE("0x{:x}"), pattern);
    case 8:
      return fmt::format(FMT_COMPILE("0o{:o}"), pattern);
    case 2:
      return fmt::format(FMT_COMPILE("0b{:b}"), pattern);
    default:
      return FormatLong(value, 10);
  }
}

std::string WriteBinary32(std::int32_t value) {
  const std::string bits = fmt::format(FMT_COMPILE("{:032b}"), static_cast<std::uint32_t>(value));
  std::string grouped;
  for (std::size_t i = 0; i < bits.size(); i += 4) {
    if (i > 0) grouped += ' ';
    grouped += bits.substr(i, 4);
  }
  return grouped;
}

std::string WriteUnsigned(std::int32_t value) {
  return fmt::format(FMT_COMPILE("{}"), static_cast<std::uint32_t>(value));
}

std::optional<std::string> WriteColor(std::int32_t value) {
  if (value < 0 || value > 0xffffff) return std::nullopt;
  return fmt::format(FMT_COMPILE("#{:06x}"), value);
}

std::optional<std::string> WriteFileMode(std::int32_t value) {
  if (value < 0 || value > kLargestMode) return std::nullopt;
  std::string mode;
  for (const ModeTriad& triad : kModeTriads) {
    const int bits = value >> triad.shift;
    mode += bits & 4 ? 'r' : '-';
    mode += bits & 2 ? 'w' : '-';
    const bool special = (value & triad.special) != 0;
    if (bits & 1)
      mode += special ? triad.specialWithX : 'x';
    else
      mode += special ? triad.specialWithoutX : '-';
  }
  return mode;
}

std::string WriteAllBases(std::int32_t value) {
  return fmt::format(FMT_COMPILE("{}\n{}\n{}\n{}"), WritePrefixed(value, 16),
                     WritePrefixed(value, 10), WritePrefixed(value, 8), WritePrefixed(value, 2));
}

std::optional<std::int64_t> ReadInBase(std::string_view text, int base) {
  return ReadFolded(FoldToAscii(text), base);
}

std::optional<std::int64_t> ReadColor(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  std::string_view digits = folded;
  if (digits.starts_with('#')) digits.remove_prefix(1);
  if ((digits.size() != 6 && digits.size() != 3) ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return DigitValue(c) < 16; }))
    return std::nullopt;
  std::int64_t value = 0;
  for (char c : digits) {
    // "#f80" is "#ff8800": each digit of the short form stands twice.
    value = value * 16 + DigitValue(c);
    if (digits.size() == 3) value = value * 16 + DigitValue(c);
  }
  return value;
}

std::optional<std::int64_t> ReadFileMode(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  std::string_view mode = folded;
  // "ls -l" writes the file's type in front: "drwxr-xr-x".
  if (mode.size() == 10 && kFileTypes.find(mode.front()) != std::string_view::npos)
    mode.remove_prefix(1);
  if (mode.size() != 9) return std::nullopt;
  std::int64_t value = 0;
  for (std::size_t t = 0; t < kModeTriads.size(); ++t) {
    const ModeTriad& triad = kModeTriads[t];
    const std::string_view letters = mode.substr(t * 3, 3);
    if ((letters[0] != 'r' && letters[0] != '-') || (letters[1] != 'w' && letters[1] != '-'))
      return std::nullopt;
    int bits = (letters[0] == 'r' ? 4 : 0) | (letters[1] == 'w' ? 2 : 0);
    const char third = letters[2];
    if (third == 'x' || third == triad.specialWithX) bits |= 1;
    if (third == triad.specialWithX || third == triad.specialWithoutX)
      value |= triad.special;
    else if (third != 'x' && third != '-')
      return std::nullopt;
    value |= bits << triad.shift;
  }
  return value;
}

std::optional<std::int64_t> ReadAllBases(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  std::optional<std::int64_t> value;
  std::string_view rest = folded;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    const std::string_view line = TrimBlanks(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (line.empty()) continue;
    const auto read = ReadFolded(line, BaseOfLine(line));
    if (!read) return std::nullopt;
    // A pattern and its signed value are one value: 0xffffffff agrees with -1.
    const auto same = ToInt32(*read);
    if (!same || (value && ToInt32(*value) != same)) return std::nullopt;
    value = read;
  }
  return value;
}

std::optional<std::int32_t> ToInt32(std::int64_t value) {
  if (value < INT32_MIN || value >= kPatternSpan) return std::nullopt;
  return static_cast<std::int32_t>(value > INT32_MAX ? value - kPatternSpan : value);
}

std::string FieldTextOf(std::int32_t value, int base) {
  if (base == 10 || value >= 0) return FormatLong(value, base);
  const auto magnitude = static_cast<std::uint32_t>(-std::int64_t{value});
  switch (base) {
    case 16:
      return fmt::format(FMT_COMPILE("-{:x}"), magnitude);
    case 8:
      return fmt::format(FMT_COMPILE("-{:o}"), magnitude);
    default:
      return fmt::format(FMT_COMPILE("-{:b}"), magnitude);
  }
}
