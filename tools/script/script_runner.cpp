// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>

#include "fields/active_field.h"

int ScriptRunner::Run(std::istream& script, std::ostream& out, std::ostream& err) {
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();  // a script saved with CRLF
    const std::string problem = RunLine(line, out);
    if (!problem.empty()) {
      out.flush();
      err << "line " << number << ": " << problem << '\n';
      return 2;
    }
  }
  out.flush();
  return 0;
}

std::string ScriptRunner::RunLine(std::string_view line, std::ostream& out) {
  if (line.empty() || line.front() == '#') return {};
  const std::size_t space = line.find(' ');
  const std::string_view command = line.substr(0, space);
  const std::string_view text = space == std::string_view::npos ? "" : line.substr(space + 1);
  if (command == "focus") return Focus(text);
  if (command == "dump") {
    Dump(out);
    return {};
  }
  if (m_session.FocusedField() == 0 &&
      (command == "type" || command == "append" || command == "paste" || command == "backspace" ||
       command == "clear"))
    return "no field has the focus";
  if (command == "type")
    m_session.Type(text);
  else if (command == "append")
    m_session.Append(text);
  else if (command == "paste")
    m_session.Paste(text);
  else if (command == "backspace")
    m_session.Backspace();
  else if (command == "clear")
    m_session.Clear();
  else
    return "unknown command \"" + std::string(command) + "\"";
  return {};
}

std::string ScriptRunner::Focus(std::string_view name) {
  const auto field = FindActiveField(name);
  if (!field || m_session.Pages().PageOf(field->controlId) == nullptr)
    return "unknown field \"" + std::string(name) + "\"";
  m_session.Focus(field->controlId);
  return {};
}

void ScriptRunner::Dump(std::ostream& out) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (m_session.Pages().PageOf(field.controlId) != nullptr)
      out << field.name << '\t' << m_session.Text(field.controlId) << '\n';
  out << "active\t" << g_activeField << '\n';
}
