// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tools/script/script_runner.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "app/window/language.h"
#include "fields/active_field.h"
#include "notations/field_notations.h"

namespace {

// What the script prints for a message of the menus: the English text, like its errors.
std::string_view English(std::string_view message) { return Translate("en", message); }

// `text` with each "\n" (backslash, n) as a line break, so that one script line can paste
// the lines of "Copy as" all four bases.
std::string WithLineBreaks(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      result += '\n';
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

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
       command == "clear" || command == "copy-as" || command == "paste-as"))
    return "no field has the focus";
  if (command == "copy-as") return CopyAs(text, out);
  if (command == "paste-as") return PasteAsText(text, out);
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

std::string ScriptRunner::CopyAs(std::string_view name, std::ostream& out) {
  const int field = m_session.FocusedField();
  for (const CopyAsEntry& entry : CopyAsEntries(field, m_session.Text(field))) {
    if (entry.info.name != name) continue;
    out << (entry.text ? std::string_view(*entry.text) : English(kNoTextForValue)) << '\n';
    return {};
  }
  return "the field offers no copy-as \"" + std::string(name) + "\"";
}

std::string ScriptRunner::PasteAsText(std::string_view line, std::ostream& out) {
  const std::size_t space = line.find(' ');
  const std::string_view name = line.substr(0, space);
  const std::string_view text = space == std::string_view::npos ? "" : line.substr(space + 1);
  const int field = m_session.FocusedField();
  const auto notation = FindNotation(name);
  const auto offered = PasteAsEntries(field);
  if (!notation || std::none_of(offered.begin(), offered.end(), [&](const NotationInfo& info) {
        return info.notation == *notation;
      }))
    return "the field offers no paste-as \"" + std::string(name) + "\"";
  const PasteAsResult result = PasteAs(field, *notation, WithLineBreaks(text));
  if (result.fieldText)
    m_session.Paste(*result.fieldText);
  else
    out << English(result.message) << '\n';
  return {};
}
