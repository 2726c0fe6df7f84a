// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The locale matrix: every locale of it is installed, since a missing one would quietly run as
// the C locale and prove nothing, and under each the pages show the very texts they show
// under the C locale, whatever goes into whichever field.
#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <vector>

#include "fields/active_field.h"
#include "session/user_session.h"
#include "tests/hardening/bad_inputs.h"

namespace {

std::vector<std::string> MatrixLocales() {
  std::vector<std::string> locales;
  std::istringstream list(MENSORATOR_TEST_LOCALES);
  for (std::string locale; std::getline(list, locale, ',');) locales.push_back(locale);
  return locales;
}

// Every field's text after each bad input was pasted into each field of fresh pages.
std::vector<std::string> AllTexts() {
  std::vector<std::string> texts;
  for (const BadInput& input : BadInputs()) {
    for (const ActiveFieldInfo& typed : kActiveFields) {
      UserSession session;
      session.Focus(typed.controlId);
      session.Paste(input.text);
      for (const ActiveFieldInfo& field : kActiveFields)
        texts.push_back(session.Text(field.controlId).substr(0, 100));
    }
  }
  return texts;
}

class LocaleMatrixTest : public testing::TestWithParam<std::string> {
 protected:
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(LocaleMatrixTest, TextsAreThoseOfTheCLocale) {
  std::setlocale(LC_ALL, "C");
  const std::vector<std::string> expected = AllTexts();
  ASSERT_NE(std::setlocale(LC_ALL, GetParam().c_str()), nullptr)
      << GetParam() << " is not installed: run tools/install-deps";
  EXPECT_EQ(AllTexts(), expected);
}

// A matrix whose locales all write a decimal point would not catch a text that follows the
// locale.
TEST(LocaleMatrix, HoldsALocaleWithADecimalComma) {
  bool comma = false;
  for (const std::string& locale : MatrixLocales())
    if (std::setlocale(LC_ALL, locale.c_str()) != nullptr)
      comma = comma || std::localeconv()->decimal_point == std::string(",");
  std::setlocale(LC_ALL, "C");
  EXPECT_TRUE(comma);
}

std::string LocaleName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Matrix, LocaleMatrixTest, testing::ValuesIn(MatrixLocales()), LocaleName);

}  // namespace
