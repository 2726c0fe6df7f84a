// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Labels that free space cannot hold push the controls after them, and the dialog, wider.
#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "app/window/dialog_layout.h"

namespace {

// Two fields in one column with their labels, a group box holding a label and a field, and a
// short label near the right edge on the first row.
constexpr ControlTemplate kRoomControls[] = {
    {-1, ControlKind::Label, "hex", 7, 9, 23, 10},
    {1, ControlKind::Edit, "", 31, 7, 110, 12},
    {-1, ControlKind::Label, "bin", 7, 29, 20, 10},
    {2, ControlKind::Edit, "", 31, 27, 165, 12},
    {-1, ControlKind::GroupBox, "g", 5, 45, 190, 40},
    {-1, ControlKind::Label, "deg", 11, 57, 25, 9},
    {3, ControlKind::Edit, "", 41, 57, 65, 12},
    {-1, ControlKind::Label, "edge", 180, 9, 10, 8},
};
constexpr DialogTemplate kRoomDialog{1, "", 203, 90, kRoomControls};

struct RoomCase {
  const char* name;
  std::map<std::string_view, int> widths;   // a label's text width; its template width if absent
  std::map<std::size_t, DialogRect> moved;  // controls not where the template has them
  int cx;
};

const RoomCase kRoomCases[] = {
    {"AllFit", {{"hex", 23}, {"deg", 20}}, {}, 203},
    {"FieldsOfTheColumnMove",
     {{"hex", 40}},
     {{0, {7, 9, 40, 10}}, {1, {47, 7, 110, 12}}, {3, {47, 27, 165, 12}}, {7, {196, 9, 10, 8}}},
     219},
    {"GroupBoxGrowsWithItsRow",
     {{"deg", 40}},
     {{5, {11, 57, 40, 9}}, {6, {51, 57, 65, 12}}, {4, {5, 45, 200, 40}}},
     212},
    {"DialogGrowsForTheLastLabel", {{"edge", 30}}, {{7, {180, 9, 30, 8}}}, 217},
    // The first page's shape: the column's fields move by the widest need, once.
    {"StackedLabelsMoveTheirFieldsByTheWidestNeed",
     {{"hex", 40}, {"bin", 30}},
     {{0, {7, 9, 40, 10}},
      {1, {47, 7, 110, 12}},
      {2, {7, 29, 30, 10}},
      {3, {47, 27, 165, 12}},
      {7, {196, 9, 10, 8}}},
     219},
    {"StackedLabelsWiderBelow",
     {{"hex", 30}, {"bin", 40}},
     {{0, {7, 9, 30, 10}},
      {1, {47, 7, 110, 12}},
      {2, {7, 29, 40, 10}},
      {3, {47, 27, 165, 12}},
      {7, {186, 9, 10, 8}}},
     219},
};

class MakeRoomTest : public testing::TestWithParam<RoomCase> {};

TEST_P(MakeRoomTest, MovesWhatIsRightOfTheLabel) {
  const RoomCase& room = GetParam();
  const DialogLayout layout = MakeRoomForLabels(kRoomDialog, [&](const ControlTemplate& label) {
    const auto found = room.widths.find(label.text);
    return found != room.widths.end() ? found->second : label.cx;
  });
  ASSERT_EQ(layout.controls.size(), kRoomDialog.controls.size());
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlTemplate& c = kRoomDialog.controls[i];
    const auto found = room.moved.find(i);
    const DialogRect expected =
        found != room.moved.end() ? found->second : DialogRect{c.x, c.y, c.cx, c.cy};
    SCOPED_TRACE(i);
    EXPECT_EQ(layout.controls[i], expected);
  }
  EXPECT_EQ(layout.cx, room.cx);
  EXPECT_EQ(layout.cy, kRoomDialog.cy);
}

TEST(WidenTest, StretchesWhatReachesFurthestRight) {
  DialogLayout layout{{{5, 5, 205, 165}, {10, 10, 20, 8}}, 214, 175};
  Widen(layout, 12);
  EXPECT_EQ(layout, (DialogLayout{{{5, 5, 217, 165}, {10, 10, 20, 8}}, 226, 175}));
  Widen(layout, 0);
  EXPECT_EQ(layout.cx, 226);
}

INSTANTIATE_TEST_SUITE_P(Labels, MakeRoomTest, testing::ValuesIn(kRoomCases),
                         [](const testing::TestParamInfo<RoomCase>& info) {
                           return info.param.name;
                         });

}  // namespace
