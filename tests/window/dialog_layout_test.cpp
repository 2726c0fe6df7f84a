// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Labels too narrow for their text grow to the right into free space, and only there.
#include "app/window/dialog_layout.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>
#include <string_view>

namespace {

// One row of an edit field at 40 with its label at 10 (20 wide), and a label with an edit
// field after it on the row below; a group box at the bottom holds a label and a field.
constexpr ControlTemplate kFitControls[] = {
    {-1, ControlKind::Label, "first", 10, 10, 20, 8},
    {1, ControlKind::Edit, "", 40, 8, 50, 12},
    {-1, ControlKind::Label, "second", 10, 30, 20, 8},
    {2, ControlKind::Edit, "", 60, 28, 30, 12},
    {-1, ControlKind::LabelNoPrefix, "last", 95, 30, 10, 8},
    {-1, ControlKind::GroupBox, "group", 5, 50, 80, 30},
    {-1, ControlKind::Label, "grouped", 10, 60, 20, 8},
};
constexpr DialogTemplate kFitDialog{1, "", 120, 90, kFitControls};

struct FitCase {
  const char* name;
  std::map<std::string_view, int> widths;    // a label's text width; its template width if absent
  std::map<std::string_view, int> expected;  // a label's fitted width; its template width if absent
};

const FitCase kFitCases[] = {
    {"every label fits", {{"first", 20}, {"second", 5}}, {}},
    {"widened to its text", {{"first", 24}}, {{"first", 24}}},
    {"stops at the field on its row", {{"first", 45}}, {{"first", 30}}},
    {"a field on another row is no bound", {{"second", 45}}, {{"second", 45}}},
    {"stops at the dialog's edge", {{"last", 40}}, {{"last", 25}}},
    {"stops at the enclosing group's edge", {{"grouped", 90}}, {{"grouped", 75}}},
    {"a group box's caption is not a label", {{"group", 200}}, {}},
};

class FitLabelsTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitLabelsTest, WidensIntoFreeSpaceOnly) {
  const FitCase& fit = GetParam();
  const auto widthOf = [](const std::map<std::string_view, int>& table,
                          const ControlTemplate& control) {
    const auto found = table.find(control.text);
    return found != table.end() ? found->second : control.cx;
  };
  const std::vector<DialogRect> rects = FitLabels(
      kFitDialog, [&](const ControlTemplate& label) { return widthOf(fit.widths, label); });
  ASSERT_EQ(rects.size(), kFitDialog.controls.size());
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const ControlTemplate& control = kFitDialog.controls[i];
    SCOPED_TRACE(control.text);
    const DialogRect expected{control.x, control.y, widthOf(fit.expected, control), control.cy};
    EXPECT_EQ(rects[i], expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Labels, FitLabelsTest, testing::ValuesIn(kFitCases),
                         [](const testing::TestParamInfo<FitCase>& info) {
                           std::string name = info.param.name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
