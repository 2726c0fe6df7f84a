// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The distance and angle page driven through the front end's port: which texts each edit
// makes the page write, in order, and which edits write nothing at all.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "fields/active_field.h"
#include "pages/converter_pages.h"
#include "res/resource.h"

namespace {

struct FieldText {
  int controlId;
  std::string text;
  bool operator==(const FieldText&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FieldText& f) {
  return out << f.controlId << " \"" << f.text << '"';
}

class Recorder : public FieldObserver {
 public:
  void OnFieldWritten(int controlId, std::string_view text) override {
    writes.push_back({controlId, std::string(text)});
  }
  std::vector<FieldText> writes;
};

struct CascadeCase {
  const char* name;
  std::vector<FieldText> before;  // typed first, each after focusing its field
  FieldText edit;                 // the edit under test, likewise
  std::vector<FieldText> writes;  // what the page writes in turn
};

std::ostream& operator<<(std::ostream& out, const CascadeCase& c) { return out << c.name; }

class DistanceAnglePageTest : public testing::TestWithParam<CascadeCase> {
 protected:
  DistanceAnglePageTest() { m_pages.Create(); }
  void Type(const FieldText& edit) {
    m_page.OnFieldFocused(edit.controlId);
    m_page.OnFieldEdited(edit.controlId, edit.text);
  }

  ConverterPages m_pages;
  CFieldPage& m_page = m_pages.distanceAngle;
  Recorder m_recorder;
};

TEST_P(DistanceAnglePageTest, WritesTheExpectedTextsInOrder) {
  for (const FieldText& edit : GetParam().before) Type(edit);
  m_page.SetObserver(&m_recorder);
  Type(GetParam().edit);
  EXPECT_EQ(m_recorder.writes, GetParam().writes);
}

const std::vector<FieldText> kEnd34 = {{IDC_END_X, "3"}, {IDC_END_Y, "4"}};
// A distance of 10 typed after kEnd34: the end point moves along the same bearing.
const std::vector<FieldText> kDistance10Writes = {
    {IDC_END_X, "6.000000"},        {IDC_END_Y, "8.000000"},     {IDC_END_Z, "0.000000"},
    {IDC_XY_DISTANCE, "10.000000"}, {IDC_XY_ANGLE, "36.869892"}, {IDC_ELEVATION, "0.000000"}};
const std::string kSpaces1021(1021, ' ');
const std::string kSpaces1022(1022, ' ');
const std::string kSpaces1023(1023, ' ');

INSTANTIATE_TEST_SUITE_P(
    Cascade, DistanceAnglePageTest,
    testing::Values(CascadeCase{"Coordinate",
                                {},
                                {IDC_END_X, "3"},
                                {{IDC_DISTANCE, "3.000000"},
                                 {IDC_XY_DISTANCE, "3.000000"},
                                 {IDC_XY_ANGLE, "89.999992"},
                                 {IDC_ELEVATION, "0.000000"}}},
                    CascadeCase{"Distance", kEnd34, {IDC_DISTANCE, "10"}, kDistance10Writes},
                    // At most 1023 characters of a field count.
                    CascadeCase{"CoordinateAt1023Characters",
                                {},
                                {IDC_END_X, kSpaces1022 + "5"},
                                {{IDC_DISTANCE, "5.000000"},
                                 {IDC_XY_DISTANCE, "5.000000"},
                                 {IDC_XY_ANGLE, "89.999992"},
                                 {IDC_ELEVATION, "0.000000"}}},
                    CascadeCase{"CoordinateBeyond1023Characters",
                                {},
                                {IDC_END_X, kSpaces1023 + "5"},
                                {{IDC_DISTANCE, "0.000000"},
                                 {IDC_XY_DISTANCE, "0.000000"},
                                 {IDC_XY_ANGLE, "0.000000"},
                                 {IDC_ELEVATION, "0.000000"}}},
                    CascadeCase{"MeasureAt1023Characters",
                                kEnd34,
                                {IDC_DISTANCE, kSpaces1021 + "10"},
                                kDistance10Writes},
                    CascadeCase{"MeasureBeyond1023Characters",
                                kEnd34,
                                {IDC_DISTANCE, kSpaces1023 + "10"},
                                {{IDC_END_X, "0.000000"},
                                 {IDC_END_Y, "0.000000"},
                                 {IDC_END_Z, "0.000000"},
                                 {IDC_XY_DISTANCE, "0.000000"},
                                 {IDC_XY_ANGLE, "0.000000"},
                                 {IDC_ELEVATION, "0.000000"}}},
                    // Beyond the largest float, not yet half a step: the largest float of
                    // the sign, due west.
                    CascadeCase{
                        "NegativeEndXBeyondFloat",
                        {},
                        {IDC_END_X, "-340282350000000000000000000000000000000"},
                        {{IDC_DISTANCE, "340282346638528859811704183484516925440.000000"},
                         {IDC_XY_DISTANCE, "340282346638528859811704183484516925440.000000"},
                         {IDC_XY_ANGLE, "270.000000"},
                         {IDC_ELEVATION, "0.000000"}}},
                    // A measure beyond single precision, or one that would put the end point there,
                    // writes nothing.
                    CascadeCase{"InfiniteDistance", kEnd34, {IDC_DISTANCE, "1e999"}, {}},
                    CascadeCase{"XYDistanceBeyondFloat", kEnd34, {IDC_XY_DISTANCE, "1e39"}, {}},
                    CascadeCase{"InfiniteBearing", kEnd34, {IDC_XY_ANGLE, "-1e999"}, {}},
                    CascadeCase{"ElevationBeyondFloat", kEnd34, {IDC_ELEVATION, "1e39"}, {}},
                    CascadeCase{"EndPointBeyondFloat",
                                {{IDC_END_X, "3e38"}, {IDC_START_X, "2e38"}},
                                {IDC_XY_DISTANCE, "2e38"},
                                {}},
                    CascadeCase{"EndYBeyondFloat",
                                {{IDC_END_Y, "3e38"}, {IDC_START_Y, "2e38"}},
                                {IDC_XY_DISTANCE, "2e38"},
                                {}},
                    // Straight up from 2e38 by a distance of 3e38.
                    CascadeCase{"EndZBeyondFloat",
                                {{IDC_START_Z, "2e38"}, {IDC_END_Z, "-1e38"}},
                                {IDC_ELEVATION, "90"},
                                {}},
                    // The distances 0.02 and 0.01 differ by 0.01 as single precision has it
                    // (0.00999999977648...): just enough for an elevation, of 60 degrees.
                    CascadeCase{"ElevationAtTheThreshold",
                                {{IDC_END_Y, "0.01"}},
                                {IDC_END_Z, "0.017320508"},
                                {{IDC_DISTANCE, "0.020000"},
                                 {IDC_XY_DISTANCE, "0.010000"},
                                 {IDC_XY_ANGLE, "0.000000"},
                                 {IDC_ELEVATION, "59.999992"}}}),
    [](const testing::TestParamInfo<CascadeCase>& info) { return info.param.name; });

// While a field of the first page is active, no edit on this page acts.
TEST(DistanceAnglePageGateTest, EditsWhileTheOtherPageIsActiveWriteNothing) {
  ConverterPages pages;
  pages.Create();
  pages.radixAngle.OnFieldFocused(IDC_DEC);
  Recorder recorder;
  pages.distanceAngle.SetObserver(&recorder);
  for (const ActiveFieldInfo& field : kActiveFields) {
    if (!pages.distanceAngle.HasField(field.controlId)) continue;
    SCOPED_TRACE(field.name);
    pages.distanceAngle.OnFieldEdited(field.controlId, "7");
    EXPECT_TRUE(recorder.writes.empty());
  }
  EXPECT_EQ(g_activeField, AF_DEC);
}

}  // namespace
