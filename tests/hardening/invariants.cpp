// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tests/hardening/invariants.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <string_view>
#include <system_error>

#include "fields/active_field.h"
#include "fields/number_text.h"
#include "res/resource.h"

namespace {

// A handler writes a handful of fields per change; a runaway cascade writes many more.
constexpr std::size_t kMaxWritesPerEdit = 40;
// The first page writes through an 80-character buffer. The second writes "%f" of doubles: the
// largest takes a sign, 309 digits, a point and 6 decimals.
constexpr std::size_t kMaxRadixAngleLength = 79;
constexpr std::size_t kMaxPointsLength = 317;
// The second page reads a field through a 1024-character buffer.
constexpr std::size_t kPointsReadLength = 1023;

struct RadixField {
  int controlId;
  int radix;
};
constexpr RadixField kRadixFields[] = {{IDC_DEC, 10}, {IDC_HEX, 16}, {IDC_OCT, 8}, {IDC_BIN, 2}};

// How a floating field is written: with `decimals` decimals (some degree texts with
// `altDecimals`), its written value within [low, high]; a typed value beyond `reduceBound` is
// range-reduced and rewritten (0: never).
struct FloatField {
  int controlId;
  int decimals;
  int altDecimals;
  double low;
  double high;
  double reduceBound;
};
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr FloatField kFloatFields[] = {
    {IDC_DEGREE, 5, 8, -360, 360, 360},  {IDC_RADIAN, 5, 5, -kTwoPi, kTwoPi, kTwoPi},
    {IDC_GRAD, 5, 5, -400, 400, 400},    {IDC_SIN, 8, 8, -1, 1, 1},
    {IDC_COS, 8, 8, -1, 1, 1},           {IDC_TAN, 8, 8, -kInf, kInf, 0},
    {IDC_XY_ANGLE, 6, 6, 0, 360, 0},     {IDC_ELEVATION, 6, 6, -180, 180, 0},
    {IDC_DISTANCE, 6, 6, 0, kInf, 0},    {IDC_XY_DISTANCE, 6, 6, 0, kInf, 0},
    {IDC_START_X, 6, 6, -kInf, kInf, 0}, {IDC_START_Y, 6, 6, -kInf, kInf, 0},
    {IDC_START_Z, 6, 6, -kInf, kInf, 0}, {IDC_END_X, 6, 6, -kInf, kInf, 0},
    {IDC_END_Y, 6, 6, -kInf, kInf, 0},   {IDC_END_Z, 6, 6, -kInf, kInf, 0},
};

const FloatField* FindFloatField(int controlId) {
  for (const FloatField& field : kFloatFields)
    if (field.controlId == controlId) return &field;
  return nullptr;
}

const RadixField* FindRadixField(int controlId) {
  for (const RadixField& field : kRadixFields)
    if (field.controlId == controlId) return &field;
  return nullptr;
}

std::string NameOf(int controlId) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.controlId == controlId) return std::string(field.name);
  return std::to_string(controlId);
}

// Whether `text` is a fixed-point number with exactly `decimals` decimals.
bool IsFixed(std::string_view text, int decimals) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const std::size_t point = text.find('.');
  if (point == 0 || point == std::string_view::npos) return false;
  if (text.size() - point - 1 != static_cast<std::size_t>(decimals)) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i != point && (text[i] < '0' || text[i] > '9')) return false;
  return true;
}

// The canonical text of a 32-bit value in `radix`: signed decimal, or the unsigned 32-bit
// two's complement in lowercase digits.
std::string Canonical(std::int32_t value, int radix) {
  if (radix == 10) return std::to_string(value);
  std::uint32_t rest = static_cast<std::uint32_t>(value);
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789abcdef"[rest % radix]);
    rest /= radix;
  } while (rest != 0);
  return digits;
}

// Whether `text` is the canonical text of some 32-bit value in `radix`.
bool IsCanonical(std::string_view text, int radix) {
  const char* last = text.data() + text.size();
  if (radix == 10) {
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), last, value);
    return ec == std::errc() && ptr == last && Canonical(value, 10) == text;
  }
  std::uint32_t value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), last, value, radix);
  return ec == std::errc() && ptr == last &&
         Canonical(static_cast<std::int32_t>(value), radix) == text;
}

// What the C library's strtoll makes of the text, limited to the signed 32-bit range. The
// process runs in the C locale, where strtoll skips the same blanks as the pages' reader.
std::int32_t ReadAsC(const std::string& text, int base) {
  const long long value = std::strtoll(text.c_str(), nullptr, base);
  return static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// A value as the second page keeps it: narrowed to single precision, beyond its range infinite.
double AsFloat(double value) {
  if (std::fabs(value) > std::numeric_limits<float>::max()) return std::copysign(kInf, value);
  return static_cast<float>(value);
}

}  // namespace

InvariantChecker::Group InvariantChecker::GroupOf(int controlId) {
  switch (FieldOfControl(controlId)->group) {
    case FieldGroup::Integer:
      return kRadix;
    case FieldGroup::Angle:
      return kAngle;
    case FieldGroup::Point:
    case FieldGroup::Measure:
      break;
  }
  return kPoints;
}

std::vector<std::string> InvariantChecker::Check(UserSession& session) {
  std::vector<std::string> broken;
  CheckWrites(session, broken);
  if (session.EditedField() != 0) {
    m_lastEdited[GroupOf(session.EditedField())] = session.EditedField();
    m_userTexts.insert(session.EditedField());
  }
  for (const UserSession::Write& write : session.Writes()) m_userTexts.erase(write.controlId);
  CheckRadix(session, broken);
  CheckAngle(session, broken);
  CheckPoints(session, broken);
  return broken;
}

void InvariantChecker::CheckWrites(UserSession& session, std::vector<std::string>& broken) const {
  const int edited = session.EditedField();
  const auto& writes = session.Writes();
  if (edited == 0) {
    if (!writes.empty()) broken.push_back("an action that edited nothing wrote a field");
    return;
  }
  if (writes.size() > kMaxWritesPerEdit)
    broken.push_back(std::to_string(writes.size()) + " writes for one change");
  const FloatField* typed = FindFloatField(edited);
  for (const UserSession::Write& write : writes) {
    const std::string name = NameOf(write.controlId);
    if (GroupOf(write.controlId) != GroupOf(edited))
      broken.push_back("editing " + NameOf(edited) + " wrote " + name + ", of another group");
    if (write.controlId == edited && (typed == nullptr || typed->reduceBound == 0))
      broken.push_back("the field being typed, " + name + ", was rewritten");
    const std::size_t maxLength =
        GroupOf(write.controlId) == kPoints ? kMaxPointsLength : kMaxRadixAngleLength;
    if (write.text.size() > maxLength)
      broken.push_back(name + " written with " + std::to_string(write.text.size()) + " chars");
    if (const RadixField* radix = FindRadixField(write.controlId)) {
      if (!IsCanonical(write.text, radix->radix))
        broken.push_back(name + " written as \"" + write.text + "\"");
    } else if (const FloatField* field = FindFloatField(write.controlId)) {
      if (write.text == kNoValue) continue;
      // A bound itself may be written rounded up: 2 pi as "6.28319".
      const double rounding = 0.5 * std::pow(10.0, -field->decimals);
      const double value = ReadDouble(write.text);
      if (!IsFixed(write.text, field->decimals) && !IsFixed(write.text, field->altDecimals))
        broken.push_back(name + " written as \"" + write.text + "\"");
      else if (value < field->low - rounding || value > field->high + rounding)
        broken.push_back(name + " written out of its range: " + write.text);
    }
  }
  // Range reduction leaves a typed angle, sine or cosine within its bound, or an infinite one
  // as it was typed.
  if (typed != nullptr && typed->reduceBound != 0) {
    const double value = ReadDouble(session.Text(edited));
    if (std::isfinite(value) && std::fabs(value) > typed->reduceBound)
      broken.push_back(NameOf(edited) + " left beyond its bound: " + session.Text(edited));
  }
}

void InvariantChecker::CheckRadix(UserSession& session, std::vector<std::string>& broken) const {
  const int source = m_lastEdited[kRadix] != 0 ? m_lastEdited[kRadix] : IDC_DEC;
  const std::int32_t value = ReadAsC(session.Text(source), FindRadixField(source)->radix);
  for (const RadixField& field : kRadixFields) {
    if (field.controlId == source) continue;
    const std::string expected = Canonical(value, field.radix);
    if (session.Text(field.controlId) != expected)
      broken.push_back(NameOf(field.controlId) + " shows \"" + session.Text(field.controlId) +
                       "\", not " + expected + " as " + NameOf(source) + " reads");
  }
}

void InvariantChecker::CheckAngle(UserSession& session, std::vector<std::string>& broken) const {
  const int typed = m_lastEdited[kAngle];
  std::vector<int> angleFields;
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.group == FieldGroup::Angle) angleFields.push_back(field.controlId);
  if (typed != 0 && typed != IDC_TAN && std::isinf(ReadDouble(session.Text(typed)))) {
    for (int controlId : angleFields)
      if (controlId != typed && session.Text(controlId) != kNoValue)
        broken.push_back("an infinite " + NameOf(typed) + " left " + NameOf(controlId) + " \"" +
                         session.Text(controlId) + "\"");
    return;
  }
  for (int controlId : angleFields)
    if (controlId != typed && controlId != IDC_TAN && session.Text(controlId) == kNoValue)
      broken.push_back(NameOf(controlId) + " shows No Value for a finite angle");

  // Every field against the degree text, which all the others were derived from or led to.
  const double degrees = ReadDouble(session.Text(IDC_DEGREE));
  const double radians = degrees * std::numbers::pi / 180;
  const auto expect = [&](int controlId, double value, double tolerance) {
    const double shown = ReadDouble(session.Text(controlId));
    if (!(std::fabs(shown - value) <= tolerance))
      broken.push_back(NameOf(controlId) + " \"" + session.Text(controlId) + "\" does not fit " +
                       session.Text(IDC_DEGREE) + " degrees");
  };
  if (!(std::fabs(degrees) <= 360))
    broken.push_back("the degree field shows " + session.Text(IDC_DEGREE));
  // Five decimals are shown; the program's conversion factors differ from the exact ones in
  // the twelfth digit.
  expect(IDC_RADIAN, radians, 1e-5);
  expect(IDC_GRAD, degrees * 10 / 9, 1e-5);
  expect(IDC_SIN, std::sin(radians), 1e-7);
  expect(IDC_COS, std::cos(radians), 1e-7);
  if (typed == IDC_TAN) return;
  const bool rightAngle = std::fabs(degrees) == 90 || std::fabs(degrees) == 270;
  if (rightAngle != (session.Text(IDC_TAN) == kNoValue))
    broken.push_back("tangent \"" + session.Text(IDC_TAN) + "\" at " + session.Text(IDC_DEGREE) +
                     " degrees");
  else if (!rightAngle) {
    // The program's degree factor differs from the exact one by under 1e-12 radians per
    // degree, which so near a right angle can move the tangent's pole past the angle. The
    // tangent shown must lie between the tangents that far either side of the angle; when a
    // pole lies between them, any value fits.
    const double slack = 1e-12 * (1 + std::fabs(degrees));
    const double below = std::tan(radians - slack);
    const double above = std::tan(radians + slack);
    if (below <= above)  // one branch, where the tangent rises
      expect(IDC_TAN, (below + above) / 2,
             (above - below) / 2 + 1e-8 + 1e-12 * std::max(-below, above));
  }
}

void InvariantChecker::CheckPoints(UserSession& session, std::vector<std::string>& broken) const {
  if (session.Pages().PageOf(IDC_START_X) == nullptr) return;
  const int edited = session.EditedField();
  const auto isCoordinate = [](int controlId) {
    return FieldOfControl(controlId)->group == FieldGroup::Point;
  };
  const bool coordinateEdited = edited != 0 && isCoordinate(edited);
  for (const UserSession::Write& write : session.Writes()) {
    const bool coordinate = isCoordinate(write.controlId);
    const bool start = coordinate && FieldOfControl(write.controlId)->name.starts_with("START_");
    if ((coordinateEdited && coordinate) || start)
      broken.push_back("editing " + NameOf(edited) + " wrote the coordinate " +
                       NameOf(write.controlId));
  }

  const auto read = [&](int controlId) {
    return ReadDouble(std::string_view(session.Text(controlId)).substr(0, kPointsReadLength));
  };
  double start[3], end[3], largest = 0;
  for (int i = 0; i < 3; ++i) {
    start[i] = AsFloat(read(IDC_START_X + i));
    end[i] = AsFloat(read(IDC_END_X + i));
    largest = std::max({largest, std::fabs(start[i]), std::fabs(end[i])});
  }
  // Beyond this the single-precision rounding of the points swamps any useful tolerance.
  if (!(largest <= 1e15)) return;
  const double dx = end[0] - start[0], dy = end[1] - start[1];
  const double dz = read(IDC_END_Z) - start[2];
  // A measure that still shows what the user typed need not fit: a typed measure the page
  // cannot apply changes nothing, not even the measures typed before it.
  const double tolerance = 1e-6 + 1e-6 * largest;
  const auto expect = [&](int controlId, double value) {
    if (m_userTexts.contains(controlId)) return;
    if (!(std::fabs(read(controlId) - value) <= tolerance))
      broken.push_back(NameOf(controlId) + " \"" + session.Text(controlId) +
                       "\" does not fit the points, " + std::to_string(value));
  };
  expect(IDC_DISTANCE, std::sqrt(dx * dx + dy * dy + dz * dz));
  const double xyDistance = std::sqrt(dx * dx + dy * dy);
  expect(IDC_XY_DISTANCE, xyDistance);
  if (!m_userTexts.contains(IDC_XY_ANGLE) && xyDistance > 1e-3 * (1 + largest)) {
    const double bearing = std::atan2(dx, dy) * 180 / std::numbers::pi;
    const double off = std::remainder(read(IDC_XY_ANGLE) - bearing, 360.0);
    if (!(std::fabs(off) <= 0.01))
      broken.push_back("bearing \"" + session.Text(IDC_XY_ANGLE) + "\" does not fit the points");
  }
  // The elevation is computed from the points only when a coordinate was typed last.
  const int typed = m_lastEdited[kPoints];
  if (typed == 0 || (typed >= IDC_START_X && typed <= IDC_END_Z)) {
    const double elevation = read(IDC_ELEVATION);
    if ((elevation < 0 && !(end[2] < start[2])) || (elevation > 0 && end[2] < start[2]))
      broken.push_back("elevation \"" + session.Text(IDC_ELEVATION) + "\" has the wrong sign");
  }
}
