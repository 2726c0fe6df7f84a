// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Every bad input of the catalogue through every field of both pages, typed key by key and
// pasted: no rule of InvariantChecker breaks after any key, and where the outcome can be worked
// out by hand every field shows it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bitset>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "fields/active_field.h"
#include "session/user_session.h"
#include "tests/hardening/bad_inputs.h"
#include "tests/hardening/invariants.h"

namespace {

using Texts = std::map<std::string, std::string>;

// What the other fields show once a field reads 0 on a freshly started page.
const std::map<std::string, Texts> kZeroOutcome = {
    {"DEGREE",
     {{"RADIAN", "0.00000"},
      {"GRAD", "0.00000"},
      {"SIN", "0.00000000"},
      {"COS", "1.00000000"},
      {"TAN", "0.00000000"}}},
    {"RADIAN",
     {{"DEGREE", "0.00000"},
      {"GRAD", "0.00000"},
      {"SIN", "0.00000000"},
      {"COS", "1.00000000"},
      {"TAN", "0.00000000"}}},
    {"GRAD",
     {{"DEGREE", "0.00000"},
      {"RADIAN", "0.00000"},
      {"SIN", "0.00000000"},
      {"COS", "1.00000000"},
      {"TAN", "0.00000000"}}},
    {"SIN",
     {{"DEGREE", "0.00000000"},
      {"RADIAN", "0.00000"},
      {"GRAD", "0.00000"},
      {"COS", "1.00000000"},
      {"TAN", "0.00000000"}}},
    // The angle whose cosine is 0 is the right angle: it has no tangent.
    {"COS",
     {{"DEGREE", "90.00000000"},
      {"RADIAN", "1.57080"},
      {"GRAD", "100.00000"},
      {"SIN", "1.00000000"},
      {"TAN", "No Value"}}},
    {"TAN",
     {{"DEGREE", "0.00000000"},
      {"RADIAN", "0.00000"},
      {"GRAD", "0.00000"},
      {"SIN", "0.00000000"},
      {"COS", "1.00000000"}}},
    // A measure of 0 puts the end point onto the start point, which is at 0.
    {"XY_ANGLE",
     {{"END_X", "0.000000"},
      {"END_Y", "0.000000"},
      {"DISTANCE", "0.000000"},
      {"XY_DISTANCE", "0.000000"},
      {"ELEVATION", "0.000000"}}},
    {"ELEVATION",
     {{"END_X", "0.000000"},
      {"END_Y", "0.000000"},
      {"END_Z", "0.000000"},
      {"DISTANCE", "0.000000"},
      {"XY_DISTANCE", "0.000000"},
      {"XY_ANGLE", "0.000000"}}},
    {"DISTANCE",
     {{"END_X", "0.000000"},
      {"END_Y", "0.000000"},
      {"END_Z", "0.000000"},
      {"XY_DISTANCE", "0.000000"},
      {"XY_ANGLE", "0.000000"},
      {"ELEVATION", "0.000000"}}},
    {"XY_DISTANCE",
     {{"END_X", "0.000000"},
      {"END_Y", "0.000000"},
      {"DISTANCE", "0.000000"},
      {"XY_ANGLE", "0.000000"},
      {"ELEVATION", "0.000000"}}},
};

// A coordinate of 0: the measures between two points at 0.
const Texts kZeroMeasures = {{"DISTANCE", "0.000000"},
                             {"XY_DISTANCE", "0.000000"},
                             {"XY_ANGLE", "0.000000"},
                             {"ELEVATION", "0.000000"}};

// What the other angle fields show once an angle field reads infinite.
Texts InfiniteOutcome(const std::string& field) {
  if (field == "TAN")  // an infinite tangent is the right angle
    return {{"DEGREE", "90.00000000"},
            {"RADIAN", "1.57080"},
            {"GRAD", "100.00000"},
            {"SIN", "1.00000000"},
            {"COS", "0.00000000"}};
  Texts texts;
  for (const char* other : {"DEGREE", "RADIAN", "GRAD", "SIN", "COS", "TAN"})
    if (field != other) texts[other] = "No Value";
  return texts;
}

// A 32-bit value as a radix field shows it, written by the C library rather than the program.
std::string InRadix(std::int32_t value, int radix) {
  char text[40];
  if (radix == 10) std::snprintf(text, sizeof text, "%d", value);
  if (radix == 16) std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(value));
  if (radix == 8) std::snprintf(text, sizeof text, "%o", static_cast<unsigned>(value));
  if (radix != 2) return text;
  const std::string bits = std::bitset<32>(static_cast<std::uint32_t>(value)).to_string();
  return bits.substr(std::min(bits.find('1'), bits.size() - 1));
}

Texts RadixOutcome(const BadInput& input) {
  return {{"DEC", InRadix(input.dec, 10)},
          {"HEX", InRadix(input.hex, 16)},
          {"OCT", InRadix(input.oct, 8)},
          {"BIN", InRadix(input.bin, 2)}};
}

FieldGroup GroupOf(const std::string& field) { return FindActiveField(field)->group; }
bool IsRadix(const std::string& field) { return GroupOf(field) == FieldGroup::Integer; }
bool IsCoordinate(const std::string& field) { return GroupOf(field) == FieldGroup::Point; }
bool IsRangeReduced(const std::string& field) {
  return field == "DEGREE" || field == "RADIAN" || field == "GRAD" || field == "SIN" ||
         field == "COS";
}
// Points and measures convert into each other: one group for what an input may change.
int CascadeOf(const std::string& field) {
  return GroupOf(field) == FieldGroup::Measure ? static_cast<int>(FieldGroup::Point)
                                               : static_cast<int>(GroupOf(field));
}

// Whether range reduction may rewrite the field while the input goes in.
bool MayBeRewritten(const std::string& field, const BadInput& input, bool pasted) {
  return IsRangeReduced(field) && (input.floating == FloatReading::kOther ||
                                   (!pasted && input.floating != FloatReading::kZero));
}

// The texts the fields other than `field` must show after `input` went into it, as far as they
// can be worked out by hand; fields left out are checked by the rules alone.
Texts ExpectedOthers(const std::string& field, const BadInput& input, bool pasted) {
  if (IsRadix(field)) {
    // The typed field's own value, in the others' radixes.
    const std::int32_t value = field == "DEC"   ? input.dec
                               : field == "HEX" ? input.hex
                               : field == "OCT" ? input.oct
                                                : input.bin;
    const BadInput same{"", "", false, value, value, value, value, FloatReading::kOther};
    Texts texts = RadixOutcome(same);
    texts.erase(field);
    return texts;
  }
  const bool zero = input.floating == FloatReading::kZero ||
                    (pasted && input.floating == FloatReading::kZeroWhenPasted);
  if (zero) return IsCoordinate(field) ? kZeroMeasures : kZeroOutcome.at(field);
  // What the second page shows for a value beyond its range is its own choice.
  if (pasted && input.floating == FloatReading::kInfinite && GroupOf(field) == FieldGroup::Angle)
    return InfiniteOutcome(field);
  return {};
}

// Every field whose text is known once `input` went into `field`: typing nothing changes
// nothing; the typed field keeps what was typed unless it may have been rewritten; the other
// groups keep their start texts; in the typed field's group, the fields worked out by hand, and
// where those are known, the rest keep their start texts.
Texts ExpectedTexts(const std::string& field, const BadInput& input, bool pasted) {
  const bool edited = pasted || !input.text.empty();
  const Texts others = edited ? ExpectedOthers(field, input, pasted) : Texts{};
  Texts expected;
  for (const ActiveFieldInfo& info : kActiveFields) {
    const std::string other(info.name);
    const std::string start(info.startText);
    if (!edited)
      expected[other] = start;
    else if (other == field) {
      if (!MayBeRewritten(field, input, pasted)) expected[other] = input.text;
    } else if (others.contains(other))
      expected[other] = others.at(other);
    else if (CascadeOf(other) != CascadeOf(field) || !others.empty())
      expected[other] = start;
  }
  return expected;
}

// The texts the session shows in the fields ExpectedTexts knows.
Texts ShownTexts(UserSession& session, const std::string& field, const BadInput& input,
                 bool pasted) {
  Texts shown;
  for (const auto& [other, text] : ExpectedTexts(field, input, pasted))
    shown[other] = session.Text(FindActiveField(other)->controlId);
  return shown;
}

struct Mode {
  const char* name;
  bool pasted;
};

std::ostream& operator<<(std::ostream& out, const Mode& mode) { return out << mode.name; }

}  // namespace

// Found by GoogleTest next to BadInput.
std::ostream& operator<<(std::ostream& out, const BadInput& input) { return out << input.name; }

namespace {

class BadInputTest : public testing::TestWithParam<std::tuple<BadInput, Mode>> {};

TEST_P(BadInputTest, EveryFieldSurvivesIt) {
  const auto& [input, mode] = GetParam();
  for (const ActiveFieldInfo& info : kActiveFields) {
    const std::string field(info.name);
    SCOPED_TRACE(field);
    UserSession session;
    InvariantChecker checker;
    session.Focus(info.controlId);
    ASSERT_THAT(checker.Check(session), testing::IsEmpty());
    if (mode.pasted) {
      session.Paste(input.text);
      ASSERT_THAT(checker.Check(session), testing::IsEmpty());
    } else {
      std::size_t keys = 0;
      session.Type(input.text, [&] {
        ++keys;
        EXPECT_THAT(checker.Check(session), testing::IsEmpty()) << "after key " << keys;
        return !HasFailure();
      });
      if (HasFailure()) return;
    }
    EXPECT_EQ(ShownTexts(session, field, input, mode.pasted),
              ExpectedTexts(field, input, mode.pasted));
  }
}

std::string BadInputName(const testing::TestParamInfo<BadInputTest::ParamType>& info) {
  return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
}

// Every input pasted; typed key by key where it is short enough.
std::vector<BadInputTest::ParamType> Cases() {
  std::vector<BadInputTest::ParamType> cases;
  for (const BadInput& input : BadInputs()) {
    if (!input.pasteOnly) cases.emplace_back(input, Mode{"Typed", false});
    cases.emplace_back(input, Mode{"Pasted", true});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, BadInputTest, testing::ValuesIn(Cases()), BadInputName);

}  // namespace
