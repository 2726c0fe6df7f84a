// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The rules that hold after every user action, whatever the user typed or pasted: every
// cascade ends after a bounded number of writes; every text the program writes is a number in
// its field's notation (or "No Value"), never "inf", "nan" or a decimal comma, and bounded in
// length; an action changes only fields of the group it was made in; the field being typed
// keeps what was typed unless range reduction rewrote it; the four radix fields show one
// 32-bit value; the six angle fields describe one angle; the measures of the second page fit
// its two points.
//
// It knows the fields' notations and the relations between their values, not the handlers: it
// never recomputes a text the way a handler does, so it also catches a handler that is wrong in
// the same way everywhere. It keeps which field of each group the user edited last, and which
// fields still show what the user typed.
#ifndef MENSORATOR_TESTS_HARDENING_INVARIANTS_H
#define MENSORATOR_TESTS_HARDENING_INVARIANTS_H

#include <set>
#include <string>
#include <vector>

#include "session/user_session.h"

class InvariantChecker {
 public:
  // Checks the session as its latest action left it. Returns one line per broken rule, none
  // when everything holds.
  std::vector<std::string> Check(UserSession& session);

 private:
  enum Group { kRadix, kAngle, kPoints, kGroupCount };
  static Group GroupOf(int controlId);

  void CheckWrites(UserSession& session, std::vector<std::string>& broken) const;
  void CheckRadix(UserSession& session, std::vector<std::string>& broken) const;
  void CheckAngle(UserSession& session, std::vector<std::string>& broken) const;
  void CheckPoints(UserSession& session, std::vector<std::string>& broken) const;

  int m_lastEdited[kGroupCount] = {};  // per group: the field the user edited last, or 0
  std::set<int> m_userTexts;           // fields the program has not written since the user did
};

#endif
