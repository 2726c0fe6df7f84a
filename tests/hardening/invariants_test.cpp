// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The checker itself: after a field is corrupted behind the pages' back (its text changed with
// the register elsewhere, so no handler answers), the next check names that field. A checker
// that passed everything would make the catalogue and the fuzzer prove nothing.
#include "tests/hardening/invariants.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "fields/active_field.h"
#include "session/user_session.h"

namespace {

struct Corruption {
  const char* name;
  const char* typedField;  // `typed` is pasted into it first
  const char* typed;
  const char* corruptedField;
  const char* corruptText;
  const char* reported;  // a part of the report
};

std::ostream& operator<<(std::ostream& out, const Corruption& c) { return out << c.name; }

int ControlOf(const char* name) { return FindActiveField(name)->controlId; }

class InvariantCheckerTest : public testing::TestWithParam<Corruption> {};

TEST_P(InvariantCheckerTest, NamesTheCorruptedField) {
  const Corruption& c = GetParam();
  UserSession session;
  InvariantChecker checker;
  session.Focus(ControlOf(c.typedField));
  session.Paste(c.typed);
  ASSERT_THAT(checker.Check(session), testing::IsEmpty());

  // The gate of the corrupted field's handler is closed: its text changes and nothing else.
  const int corrupted = ControlOf(c.corruptedField);
  session.Pages().PageOf(corrupted)->OnFieldEdited(corrupted, c.corruptText);
  session.Focus(ControlOf(c.typedField));  // an action that edits nothing, to check after
  EXPECT_THAT(checker.Check(session), testing::Contains(testing::HasSubstr(c.reported)));
}

std::string CorruptionName(const testing::TestParamInfo<Corruption>& info) {
  return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, InvariantCheckerTest,
    testing::Values(
        // 255 is ff, 377 in octal.
        Corruption{"RadixOffByOne", "DEC", "255", "HEX", "fe", "HEX shows \"fe\""},
        Corruption{"RadixUppercase", "DEC", "255", "OCT", "0377", "OCT shows \"0377\""},
        // 30 degrees: sine 0.5, cosine 0.866..., tangent 0.577...
        Corruption{"SineOfAnotherAngle", "DEGREE", "30", "SIN", "0.60000000", "SIN"},
        Corruption{"CosineWithAComma", "DEGREE", "30", "COS", "0,86602540", "COS"},
        Corruption{"TangentMissing", "DEGREE", "30", "TAN", "No Value", "tangent"},
        Corruption{"RadiansOfAnotherAngle", "GRAD", "100", "RADIAN", "1.57000", "RADIAN"},
        Corruption{"GradsOfAnotherAngle", "DEGREE", "30", "GRAD", "33.3", "GRAD"},
        Corruption{"FiniteAngleShownAsNone", "DEGREE", "30", "RADIAN", "No Value",
                   "RADIAN shows No Value"},
        Corruption{"InfiniteAngleShownAsNumber", "DEGREE", "1e999", "SIN", "0.00000000",
                   "an infinite DEGREE"},
        // End point (3, 4, 0): distance 5, bearing 36.87 degrees.
        Corruption{"DistanceWrong", "END_X", "3", "DISTANCE", "6.000000", "DISTANCE"},
        Corruption{"XYDistanceWrong", "END_X", "3", "XY_DISTANCE", "2.000000", "XY_DISTANCE"},
        Corruption{"BearingWrong", "END_Y", "4", "XY_ANGLE", "180.000000", "bearing"},
        Corruption{"ElevationBelowALevelPoint", "END_Z", "5", "ELEVATION", "-90.000000",
                   "elevation"}),
    CorruptionName);

}  // namespace
