// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Creating the pages starts the program with no field active. The two pages share one
// active-field register: a code set on one page keeps the other page's handlers quiet until
// one of its own fields is focused.
#include "pages/converter_pages.h"

#include <gtest/gtest.h>

#include "fields/active_field.h"
#include "res/resource.h"

namespace {

class ConverterPagesTest : public testing::Test {
 protected:
  void SetUp() override { pages.Create(); }
  ConverterPages pages;
};

// Whatever code an earlier set of pages left in the register, new pages show the start-up
// texts and no field is active.
TEST(ConverterPagesStartTest, PagesCreatedWhileAFieldIsActiveStartAsAtProgramStart) {
  for (const ActiveFieldInfo& active : kActiveFields) {
    SCOPED_TRACE(active.name);
    g_activeField = active.code;
    ConverterPages pages;
    pages.Create();
    EXPECT_EQ(g_activeField, AF_NONE);
    for (const ActiveFieldInfo& field : kActiveFields)
      EXPECT_EQ(pages.PageOf(field.controlId)->FieldText(field.controlId), field.startText)
          << field.name;
  }
}

TEST_F(ConverterPagesTest, EveryEditFieldBelongsToExactlyOnePage) {
  for (const ActiveFieldInfo& field : kActiveFields) {
    SCOPED_TRACE(field.name);
    CFieldPage* page = pages.PageOf(field.controlId);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page, pages.All()[static_cast<std::size_t>(field.page)]);
  }
  EXPECT_EQ(pages.PageOf(IDC_TAB), nullptr);
}

TEST_F(ConverterPagesTest, TheOtherPagesCodeKeepsHandlersQuiet) {
  pages.radixAngle.OnFieldFocused(IDC_DEC);
  pages.distanceAngle.OnFieldEdited(IDC_END_X, "3");
  EXPECT_EQ(g_activeField, AF_DEC);
  EXPECT_EQ(pages.distanceAngle.FieldText(IDC_DISTANCE), "0");

  pages.distanceAngle.OnFieldFocused(IDC_END_X);
  pages.distanceAngle.OnFieldEdited(IDC_END_X, "3");
  EXPECT_EQ(g_activeField, AF_END_X);
  EXPECT_EQ(pages.distanceAngle.FieldText(IDC_DISTANCE), "3.000000");
  EXPECT_EQ(pages.radixAngle.FieldText(IDC_HEX), "0");
}

TEST_F(ConverterPagesTest, AGatedFieldWrittenWhileInactiveChangesNothing) {
  pages.radixAngle.OnFieldFocused(IDC_DEGREE);
  pages.radixAngle.OnFieldEdited(IDC_SIN, "0.5");  // the sine's handler is gated
  EXPECT_EQ(pages.radixAngle.FieldText(IDC_DEGREE), "0");
  pages.radixAngle.OnFieldEdited(IDC_DEGREE, "30");
  EXPECT_EQ(pages.radixAngle.FieldText(IDC_SIN), "0.50000000");
  EXPECT_EQ(pages.radixAngle.FieldText(IDC_GRAD), "33.33333");
}

}  // namespace
