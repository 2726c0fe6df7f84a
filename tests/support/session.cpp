// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tests/support/session.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fields/active_field.h"
#include "pages/converter_pages.h"
#include "tools/script/script_runner.h"

FieldTexts RunSession(std::string_view script) {
  ScriptRunner runner;
  std::istringstream in(std::string(script) + "\ndump\n");
  std::ostringstream out, err;
  EXPECT_EQ(runner.Run(in, out, err), 0) << err.str();
  // Keep only the last dump: the script may hold dumps of its own.
  std::string text = out.str();
  const std::size_t last = text.rfind("\nDEC\t");
  if (last != std::string::npos) text.erase(0, last + 1);
  FieldTexts texts;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t tab = line.find('\t');
    texts[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return texts;
}

FieldTexts StartTexts() {
  ConverterPages pages;  // not created: asked only which fields exist
  FieldTexts texts;
  for (const ActiveFieldInfo& field : kActiveFields)
    if (pages.PageOf(field.controlId)) texts[std::string(field.name)] = "0";
  texts["COS"] = "1";
  texts["active"] = "0";
  return texts;
}
