// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Runs a script of user actions against the program's pages, headless: focus a field, type,
// append, paste, delete, dump every field's text, and use a field's "Copy as" and "Paste as"
// menus.
//
// It reads the script language; the user's actions are UserSession's, and the cascade is the
// pages' own. It stops at the first line it cannot run.
#ifndef MENSORATOR_TOOLS_SCRIPT_RUNNER_H
#define MENSORATOR_TOOLS_SCRIPT_RUNNER_H

#include <iosfwd>
#include <string>
#include <string_view>

#include "session/user_session.h"

class ScriptRunner {
 public:
  // Runs every line of `script`, printing dumps to `out`. Returns 0, or 2 after writing
  // "line N: what is wrong" to `err` for the first line it cannot run.
  int Run(std::istream& script, std::ostream& out, std::ostream& err);

 private:
  // Runs one line; returns an empty string or what is wrong with it.
  std::string RunLine(std::string_view line, std::ostream& out);
  std::string Focus(std::string_view name);
  // "copy-as NOTATION": prints the focused field's value in the notation.
  std::string CopyAs(std::string_view name, std::ostream& out);
  // "paste-as NOTATION TEXT": pastes what TEXT reads as, or prints why it reads as nothing.
  std::string PasteAsText(std::string_view line, std::ostream& out);
  void Dump(std::ostream& out);

  UserSession m_session;  // the pages, started as the window starts them
};

#endif
