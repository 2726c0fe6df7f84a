// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "notations/angle_notations.h"

#include <fmt/compile.h>
#include <fmt/format.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "fields/number_text.h"
#include "notations/folded_text.h"
#include "pages/trigonometry.h"

namespace {

// Angles are counted in tenths of a second, the precision they are written to.
constexpr std::int64_t kTenthsPerMinute = 600;
constexpr std::int64_t kTenthsPerDegree = 60 * kTenthsPerMinute;
constexpr std::int64_t kTenthsPerRightAngle = 90 * kTenthsPerDegree;
// Beyond 2^53 tenths a double no longer holds every whole count.
constexpr double kLargestTenths = 9007199254740992.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// A mark after a part of degrees-minutes-seconds and the part it ends: 0 degrees, 1 minutes,
// 2 seconds. Two apostrophes are a second mark; the typographic quotes that word processors
// put for ′ and ″ count as them.
struct DmsMark {
  std::string_view spelling;
  int part;
};
constexpr std::array<DmsMark, 15> kDmsMarks{{
    {"''", 2},
    {"\u2033", 2},
    {"\"", 2},
    {"\u201d", 2},
    {"s", 2},
    {"S", 2},
    {"\u2032", 1},
    {"'", 1},
    {"\u2019", 1},
    {"m", 1},
    {"M", 1},
    {"\u00b0", 0},
    {"d", 0},
    {"D", 0},
    {"\u00ba", 0},
}};

constexpr std::array<double, 3> kPartsPerDegree{1, 60, 3600};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  return text;
}

// Trailing zeros of a fixed-point text removed, and its point where nothing follows it;
// "-0" is "0".
std::string WithoutTrailingZeros(std::string text) {
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

// "36°52′11.6″" of a whole count of tenths; minutes and seconds that end it as zeros are left
// out.
std::string WriteTenths(std::int64_t tenths) {
  const std::int64_t minutes = tenths % kTenthsPerDegree / kTenthsPerMinute;
  const std::int64_t secondTenths = tenths % kTenthsPerMinute;
  std::string text = fmt::format(FMT_COMPILE("{}\u00b0"), tenths / kTenthsPerDegree);
  if (minutes != 0 || secondTenths != 0) text += fmt::format(FMT_COMPILE("{:02}\u2032"), minutes);
  if (secondTenths != 0) {
    text += fmt::format(FMT_COMPILE("{:02}"), secondTenths / 10);
    if (secondTenths % 10 != 0) text += fmt::format(FMT_COMPILE(".{}"), secondTenths % 10);
    text += "\u2033";
  }
  return text;
}

std::optional<std::int64_t> ToTenths(double degrees) {
  const double tenths = std::abs(degrees) * static_cast<double>(kTenthsPerDegree);
  if (!(tenths <= kLargestTenths)) return std::nullopt;  // also not a number
  return std::llround(tenths);
}

// A decimal number of digits with an optional point and fraction at the start of `text`:
// its length, 0 where there is none.
std::size_t NumberLength(std::string_view text) {
  std::size_t end = 0;
  std::size_t digits = 0;
  const auto skipDigits = [&] {
    for (; end < text.size() && IsDigit(text[end]); ++end) ++digits;
  };
  skipDigits();
  if (end < text.size() && text[end] == '.') {
    ++end;
    skipDigits();
  }
  return digits > 0 ? end : 0;
}

const DmsMark* MarkAt(std::string_view text) {
  for (const DmsMark& mark : kDmsMarks)
    if (text.starts_with(mark.spelling)) return &mark;
  return nullptr;
}

// Degrees-minutes-seconds of a text already folded, without its sign.
std::optional<double> ReadUnsignedDms(std::string_view text) {
  double degrees = 0;
  int nextPart = 0;
  bool fractionBefore = false;
  for (text = SkipBlanks(text); !text.empty(); text = SkipBlanks(text)) {
    const std::size_t length = NumberLength(text);
    if (length == 0 || fractionBefore) return std::nullopt;
    const std::string_view number = text.substr(0, length);
    const double value = ReadDouble(number);
    fractionBefore = number.find('.') != std::string_view::npos;
    text = SkipBlanks(text.substr(length));
    int part = nextPart;
    if (const DmsMark* mark = MarkAt(text)) {
      part = mark->part;
      text.remove_prefix(mark->spelling.size());
    }
    if (part < nextPart || part > 2 || (part > 0 && value >= 60)) return std::nullopt;
    degrees += value / kPartsPerDegree[part];
    nextPart = part + 1;
  }
  if (nextPart == 0) return std::nullopt;
  return degrees;
}

// A sign at the start of `text`: -1, or 1 with or without "+"; `text` loses it.
double TakeSign(std::string_view& text) {
  if (text.starts_with('-') || text.starts_with('+')) {
    const double sign = text.front() == '-' ? -1 : 1;
    text.remove_prefix(1);
    return sign;
  }
  return 1;
}

// The whole of `text` as a finite decimal number, as a field reads it.
std::optional<double> ReadWholeDecimal(std::string_view text) {
  std::size_t end = 0;
  const double value = ReadDouble(text, &end);
  if (text.empty() || end != text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::optional<std::string> WriteDms(double degrees) {
  const auto tenths = ToTenths(degrees);
  if (!tenths) return std::nullopt;
  return fmt::format(FMT_COMPILE("{}{}"), degrees < 0 && *tenths != 0 ? "-" : "",
                     WriteTenths(*tenths));
}

std::optional<double> ReadDms(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  std::string_view rest = folded;
  const double sign = TakeSign(rest);
  const auto degrees = ReadUnsignedDms(rest);
  if (!degrees) return std::nullopt;
  return sign * *degrees;
}

std::optional<std::string> WriteQuadrantBearing(double bearing) {
  if (!std::isfinite(bearing)) return std::nullopt;
  double turn = std::fmod(bearing, 360.0);
  if (turn < 0) turn += 360.0;
  const std::int64_t tenths = *ToTenths(turn);
  // The page computes bearings in single precision and shows −Y as 179.999985, 0.054″ short of
  // 180: a bearing within a tenth of a second of an axis is on it.
  const std::int64_t axis = (tenths + kTenthsPerRightAngle / 2) / kTenthsPerRightAngle;
  if (std::abs(tenths - axis * kTenthsPerRightAngle) <= 1) return std::string(1, "NESWN"[axis]);
  const auto quadrant = [](char from, std::int64_t angle, char towards) {
    return fmt::format(FMT_COMPILE("{}{}{}"), from, WriteTenths(angle), towards);
  };
  switch (tenths / kTenthsPerRightAngle) {
    case 0:
      return quadrant('N', tenths, 'E');
    case 1:
      return quadrant('S', 2 * kTenthsPerRightAngle - tenths, 'E');
    case 2:
      return quadrant('S', tenths - 2 * kTenthsPerRightAngle, 'W');
    default:
      return quadrant('N', 4 * kTenthsPerRightAngle - tenths, 'W');
  }
}

std::optional<double> ReadQuadrantBearing(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  if (folded.size() == 1) {
    const std::size_t axis = std::string_view("NESW").find(Upper(folded.front()));
    if (axis == std::string_view::npos) return std::nullopt;
    return 90.0 * static_cast<double>(axis);
  }
  if (folded.size() < 3) return std::nullopt;
  const char from = Upper(folded.front());
  const char towards = Upper(folded.back());
  if ((from != 'N' && from != 'S') || (towards != 'E' && towards != 'W')) return std::nullopt;
  const auto angle = ReadUnsignedDms(std::string_view(folded).substr(1, folded.size() - 2));
  if (!angle || *angle > 90) return std::nullopt;
  const double clockwise = towards == 'E' ? *angle : -*angle;
  const double bearing = from == 'N' ? clockwise : 180 - clockwise;
  return bearing < 0 ? bearing + 360 : bearing;
}

std::optional<std::string> WriteSlopePercent(double elevation) {
  if (!(std::abs(elevation) < 90)) return std::nullopt;
  const double percent = trig::tan(elevation * kRadiansPerDegree) * 100;
  return WithoutTrailingZeros(FormatFixed(percent, 3)) + "%";
}

std::optional<double> ReadSlopePercent(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  std::string_view number = folded;
  if (number.ends_with('%')) number = TrimBlanks(number.substr(0, number.size() - 1));
  const auto percent = ReadWholeDecimal(number);
  if (!percent) return std::nullopt;
  return trig::atan(*percent / 100) / kRadiansPerDegree;
}

std::optional<std::string> ReadGroupedDecimal(std::string_view text) {
  const std::string folded = FoldToAscii(text);
  std::string_view rest = folded;
  std::string plain;
  if (rest.starts_with('-') || rest.starts_with('+')) {
    plain += rest.front();
    rest.remove_prefix(1);
  }
  // Grouping marks stand in the whole part only; a text that starts at its point has none.
  const std::size_t wholeEnd = std::min(rest.find_first_of(".eE"), rest.size());
  if (wholeEnd > 0) {
    const auto whole = Ungrouped(rest.substr(0, wholeEnd), 10);
    if (!whole) return std::nullopt;
    plain += *whole;
  }
  plain += rest.substr(wholeEnd);
  if (!ReadWholeDecimal(plain)) return std::nullopt;
  return plain;
}

std::string DegreesText(double degrees) { return WithoutTrailingZeros(FormatFixed(degrees, 8)); }
