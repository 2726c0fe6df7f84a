// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The window as the front ends render it: units, sizes, names and texts, in both languages.
#include "app/window/window_view.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/window/language.h"
#include "fields/active_field.h"
#include "res/resource.h"

namespace {

// A 9-point font at 96 DPI: 52 letters 364 px wide, lines 13 px high.
const DialogUnits kUnits = DialogUnits::Measured(364, 13);

// Every text fits its template's box.
int NoWidth(std::string_view, ControlKind) { return 0; }
// Every byte of a text 7 px wide: an English label outgrows its box.
int SevenPixelsAByte(std::string_view text, ControlKind) {
  return 7 * static_cast<int>(text.size());
}

TEST(DialogUnitsTest, MeasuredAndConverted) {
  EXPECT_EQ(kUnits.baseX, 7);
  EXPECT_EQ(kUnits.baseY, 13);
  // 51.5 letters' width rounds up to 7 px, 6.49 down to 6.
  EXPECT_EQ(DialogUnits::Measured(338, 13).baseX, 7);
  EXPECT_EQ(DialogUnits::Measured(337, 13).baseX, 6);
  EXPECT_EQ(kUnits.ToPixels({5, 5, 205, 165}), (PixelRect{9, 8, 359, 268}));
  // Halves round away from zero: 2 × 7 / 4 = 3.5.
  EXPECT_EQ(kUnits.ToPixelsX(2), 4);
  EXPECT_EQ(kUnits.ToPixelsX(-2), -4);
  EXPECT_EQ(kUnits.ToUnitsX(0), 0);
  EXPECT_EQ(kUnits.ToUnitsX(7), 4);
  EXPECT_EQ(kUnits.ToUnitsX(8), 5);
}

TEST(WindowViewTest, JapaneseKeepsTheTemplates) {
  ConverterPages pages;
  const WindowView view = DescribeWindow(pages, "ja", kUnits, NoWidth);
  EXPECT_EQ(view.main.caption, "Mensorator");
  EXPECT_EQ(view.main.width, 375);
  EXPECT_EQ(view.main.height, 284);
  EXPECT_EQ(view.main.Find(IDC_TAB)->units, (DialogRect{5, 5, 205, 165}));
  ASSERT_EQ(view.tabs.size(), 2u);
  EXPECT_EQ(view.tabs[0], "基数変換・角度単位関連");
  EXPECT_EQ(view.tabs[1], "距離・角度");
  EXPECT_EQ(view.aboutEntry, "Mensorator のﾊﾞｰｼﾞｮﾝ情報(&A)...");
  EXPECT_EQ(view.about.caption, "Mensoratorのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(view.about.controls[1].text, "Mensorator Version " MENSORATOR_VERSION);
  for (std::size_t p = 0; p < view.pages.size(); ++p)
    for (const ControlView& control : view.pages[p].controls) {
      const ControlTemplate& source =
          view.pages[p].dialog->controls[&control - &view.pages[p].controls[0]];
      EXPECT_EQ(control.units, (DialogRect{source.x, source.y, source.cx, source.cy}));
    }
}

TEST(WindowViewTest, TheWidestPageWidensTheWindowAndTheTabControl) {
  ConverterPages pages;
  const WindowView view = DescribeWindow(pages, "en", kUnits, SevenPixelsAByte);
  int wider = 0;
  for (const DialogView& page : view.pages) wider = std::max(wider, page.cx - page.dialog->cx);
  ASSERT_GT(wider, 0);
  EXPECT_EQ(view.main.cx, kMainDialogTemplate.cx + wider);
  EXPECT_EQ(view.main.Find(IDC_TAB)->units.cx, 205 + wider);
  EXPECT_EQ(view.main.width, kUnits.ToPixelsX(view.main.cx));
  EXPECT_EQ(view.tabs[0], "Numbers and Angles");
  EXPECT_EQ(view.about.controls[1].text, "Mensorator Version " MENSORATOR_VERSION);
}

struct NameRow {
  ActiveField field;
  const char* japanese;
  const char* english;
  FieldKeyboard keyboard;
};

// Every field's accessible name: its label, with the row's first in front where the label's
// text names more than one field; and its keyboard: letters for the hexadecimal digits, a
// decimal point and an exponent for every field that reads them.
constexpr FieldKeyboard kDigits = FieldKeyboard::Digits;
constexpr FieldKeyboard kScientific = FieldKeyboard::Scientific;
const NameRow kNames[] = {
    {AF_HEX, "１６進数", "Hexadecimal", FieldKeyboard::Letters},
    {AF_DEC, "１０進数", "Decimal", kDigits},
    {AF_OCT, "８進数", "Octal", kDigits},
    {AF_BIN, "２進数", "Binary", kDigits},
    {AF_DEGREE, "Degree", "Degree", kScientific},
    {AF_RADIAN, "Radian", "Radian", kScientific},
    {AF_GRAD, "Grad", "Grad", kScientific},
    {AF_SIN, "sin =", "sin =", kScientific},
    {AF_COS, "cos =", "cos =", kScientific},
    {AF_TAN, "tan =", "tan =", kScientific},
    {AF_START_X, "始点 X", "Start X", kScientific},
    {AF_START_Y, "始点 Y", "Start Y", kScientific},
    {AF_START_Z, "始点 Z", "Start Z", kScientific},
    {AF_END_X, "終点 X", "End X", kScientific},
    {AF_END_Y, "終点 Y", "End Y", kScientific},
    {AF_END_Z, "終点 Z", "End Z", kScientific},
    {AF_DISTANCE, "距離", "Distance", kScientific},
    {AF_XY_DISTANCE, "XY平面での距離", "XY distance", kScientific},
    {AF_XY_ANGLE, "XY平面での角度", "Bearing", kScientific},
    {AF_ELEVATION, "XY平面での仰角", "Elevation", kScientific},
};

class FieldNamesTest : public testing::TestWithParam<NameRow> {};

TEST_P(FieldNamesTest, ObjectAndAccessibleNames) {
  ConverterPages pages;
  const ActiveFieldInfo& field = *FieldOfCode(GetParam().field);
  for (const auto& [language, name] :
       {std::pair{"ja", GetParam().japanese}, std::pair{"en", GetParam().english}}) {
    SCOPED_TRACE(language);
    const WindowView view = DescribeWindow(pages, language, kUnits, NoWidth);
    const ControlView* edit = nullptr;
    for (const DialogView& page : view.pages)
      if (const ControlView* found = page.Find(field.controlId)) edit = found;
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->objectName, "IDC_" + std::string(field.name));
    EXPECT_EQ(edit->accessibleName, name);
    ASSERT_FALSE(edit->nameLabels.empty());
    EXPECT_EQ(edit->keyboard, GetParam().keyboard);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryField, FieldNamesTest, testing::ValuesIn(kNames),
                         [](const testing::TestParamInfo<NameRow>& info) {
                           return std::string(FieldOfCode(info.param.field)->name);
                         });

// The controls' texts (a field's object name) in reading order.
std::vector<std::string> ReadingTexts(const DialogView& dialog) {
  std::vector<std::string> texts;
  for (const std::size_t i : dialog.readingOrder) {
    const ControlView& control = dialog.controls[i];
    texts.emplace_back(control.kind == ControlKind::Edit ? control.objectName : control.text);
  }
  return texts;
}

// Rows top to bottom, each label before the field right of it, the group box before its
// contents, in both languages (the English labels move their fields).
TEST(WindowViewTest, ReadingOrderIsRowsTopToBottom) {
  ConverterPages pages;
  using Width = int (*)(std::string_view, ControlKind);
  for (const std::pair<std::string_view, Width>& language :
       {std::pair<std::string_view, Width>{"ja", NoWidth}, {"en", SevenPixelsAByte}}) {
    SCOPED_TRACE(language.first);
    const WindowView view = DescribeWindow(pages, language.first, kUnits, language.second);
    const auto t = [&](const char* text) { return std::string(Translate(language.first, text)); };
    EXPECT_EQ(ReadingTexts(view.pages[0]),
              (std::vector<std::string>{
                  t("１６進数"), "IDC_HEX", t("１０進数"),   "IDC_DEC", t("８進数"),  "IDC_OCT",
                  t("２進数"),   "IDC_BIN", t("三角関数等"), "Degree",  "IDC_DEGREE", "sin =",
                  "IDC_SIN",     "Radian",  "IDC_RADIAN",    "cos =",   "IDC_COS",    "Grad",
                  "IDC_GRAD",    "tan =",   "IDC_TAN"}));
    EXPECT_EQ(ReadingTexts(view.pages[1]), (std::vector<std::string>{t("始点"),
                                                                     "X",
                                                                     "IDC_START_X",
                                                                     "Y",
                                                                     "IDC_START_Y",
                                                                     "Z",
                                                                     "IDC_START_Z",
                                                                     t("終点"),
                                                                     "X",
                                                                     "IDC_END_X",
                                                                     "Y",
                                                                     "IDC_END_Y",
                                                                     "Z",
                                                                     "IDC_END_Z",
                                                                     t("距離"),
                                                                     "IDC_DISTANCE",
                                                                     t("XY平面での距離"),
                                                                     "IDC_XY_DISTANCE",
                                                                     t("XY平面での角度"),
                                                                     "IDC_XY_ANGLE",
                                                                     t("XY平面での仰角"),
                                                                     "IDC_ELEVATION"}));
  }
}

}  // namespace
