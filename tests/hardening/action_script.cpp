// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tests/hardening/action_script.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

#include "fields/active_field.h"
#include "session/user_session.h"
#include "tests/hardening/invariants.h"

namespace {

// Keep one run short, so the fuzzer tries many: typing is quadratic in the text's length.
constexpr std::size_t kMaxLines = 64;
constexpr std::size_t kMaxKeysPerLine = 32;
constexpr std::size_t kLongPaste = 4096;

// Focuses the field named `name`, or picks one by the name's first byte.
void FocusByName(UserSession& session, std::string_view name) {
  if (const auto field = FindActiveField(name)) return session.Focus(field->controlId);
  const std::size_t count = std::size(kActiveFields);
  const unsigned char pick = name.empty() ? 0 : static_cast<unsigned char>(name.front());
  session.Focus(kActiveFields[pick % count].controlId);
}

// A line as a reader of a report can see it: control characters and bytes above 0x7e escaped.
std::string Printable(std::string_view line) {
  std::string shown;
  for (unsigned char c : line.substr(0, 80)) {
    if (c >= 0x20 && c < 0x7f) {
      shown += static_cast<char>(c);
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      shown += escaped;
    }
  }
  return line.size() > 80 ? shown + "..." : shown;
}

class Run {
 public:
  // Runs one line; returns false after the first broken rule.
  bool Line(std::string_view line) {
    m_line = line;
    const char op = line.empty() ? '\0' : line.front();
    const std::string_view arg = line.empty() ? line : line.substr(1);
    switch (op) {
      case 'f':
        FocusByName(m_session, arg);
        return Checked();
      case 't':
        m_session.Type(arg, CheckedUpTo(kMaxKeysPerLine));
        return m_broken.empty();
      case 'a':
        m_session.Append(arg, CheckedUpTo(kMaxKeysPerLine));
        return m_broken.empty();
      case 'p':
        m_session.Paste(arg);
        return Checked();
      case 'h':
        m_session.Paste(Repeated(arg.empty() ? "9" : arg));
        return Checked();
      case 'b':
        m_session.Backspace();
        return Checked();
      case 'c':
        m_session.Clear();
        return Checked();
      case 's':
        m_session.SwitchTab(arg.empty() ? 0 : static_cast<unsigned char>(arg.front()) % 3);
        return Checked();
      default:
        return true;
    }
  }
  const std::string& Broken() const { return m_broken; }

 private:
  static std::string Repeated(std::string_view unit) {
    std::string text;
    while (text.size() < kLongPaste) text += unit;
    return text;
  }

  // Checks after each key; typing stops at a broken rule or after `keys` keys.
  std::function<bool()> CheckedUpTo(std::size_t keys) {
    return [this, keys, count = std::size_t{0}]() mutable { return Checked() && ++count < keys; };
  }

  bool Checked() {
    for (const std::string& rule : m_checker.Check(m_session))
      m_broken += "after \"" + Printable(m_line) + "\": " + rule + "\n";
    return m_broken.empty();
  }

  UserSession m_session;
  InvariantChecker m_checker;
  std::string_view m_line;
  std::string m_broken;
};

}  // namespace

std::string RunActionScript(std::string_view script) {
  Run run;
  for (std::size_t lines = 0; !script.empty() && lines < kMaxLines; ++lines) {
    const std::size_t newline = std::min(script.find('\n'), script.size());
    if (!run.Line(script.substr(0, newline))) break;
    script.remove_prefix(std::min(newline + 1, script.size()));
  }
  return run.Broken();
}
