// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The simulated user's tab switch: where the focus is afterwards, and where the next keys go.
#include "session/user_session.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "res/resource.h"

namespace {

// After a click into a field, a switch to tab `tab`; then every kind of edit, in turn.
struct SwitchCase {
  const char* name;
  int field;
  std::size_t tab;
  std::size_t tabAfter;
  int focusedAfter;
  std::vector<std::string> textsAfterEdits;  // the clicked field's text after each edit
};

TEST(UserSessionTest, TabSwitchMovesTheKeysOnlyWithTheFocus) {
  const std::vector<std::string> edited = {"7", "8", "89", "8", ""};
  const std::vector<std::string> untouched(edited.size(), "0");
  const SwitchCase cases[] = {
      {"SameTab", IDC_DEC, 0, 0, IDC_DEC, edited},
      {"OtherTab", IDC_DEC, 1, 1, 0, untouched},
      {"FromTheSecondTab", IDC_END_X, 0, 0, 0, untouched},
      // An index beyond the last tab changes nothing.
      {"OneBeyondTheLastTab", IDC_DEC, 2, 0, IDC_DEC, edited},
      {"FarBeyondTheLastTab", IDC_END_X, std::numeric_limits<std::size_t>::max(), 1, IDC_END_X,
       edited},
  };
  for (const SwitchCase& c : cases) {
    SCOPED_TRACE(c.name);
    UserSession session;
    session.Focus(c.field);
    session.SwitchTab(c.tab);
    EXPECT_EQ(session.Tab(), c.tabAfter);
    EXPECT_EQ(session.FocusedField(), c.focusedAfter);
    std::vector<std::string> texts;
    for (const auto& edit :
         {+[](UserSession& s) { s.Type("7"); }, +[](UserSession& s) { s.Paste("8"); },
          +[](UserSession& s) { s.Append("9"); }, +[](UserSession& s) { s.Backspace(); },
          +[](UserSession& s) { s.Clear(); }}) {
      edit(session);
      texts.push_back(session.Text(c.field));
    }
    EXPECT_EQ(texts, c.textsAfterEdits);
  }
}

}  // namespace
