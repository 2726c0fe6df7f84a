#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>

#include "fields/active_field.h"
#include "fields/keys.h"

ScriptRunner::ScriptRunner() { m_pages.Create(); }

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
  if (m_focusedPage == nullptr && (command == "type" || command == "append" || command == "paste" ||
                                   command == "backspace" || command == "clear"))
    return "no field has the focus";
  if (command == "type") return Type(text, true);
  if (command == "append") return Type(text, false);
  if (command == "paste") {
    Edit(std::string(text));
    return {};
  }
  if (command == "backspace") return Backspace();
  if (command == "clear") {
    if (!m_focusedPage->FieldText(m_focusedControl).empty()) Edit({});
    return {};
  }
  return "unknown command \"" + std::string(command) + "\"";
}

std::string ScriptRunner::Focus(std::string_view name) {
  const auto field = FindActiveField(name);
  CFieldPage* page = field ? m_pages.PageOf(field->controlId) : nullptr;
  if (page == nullptr) return "unknown field \"" + std::string(name) + "\"";
  m_focusedPage = page;
  m_focusedControl = field->controlId;
  page->OnFieldFocused(field->controlId);
  return {};
}

std::string ScriptRunner::Type(std::string_view text, bool replaceFirst) {
  // The first key replaces the whole text when typing over a selection; every other goes at
  // the end of the text as it stands after the last key.
  std::size_t begin = 0;
  for (const std::size_t end : KeyEnds(text)) {
    const std::string key(text.substr(begin, end - begin));
    if (begin == 0 && replaceFirst)
      Edit(key);
    else
      Edit(m_focusedPage->FieldText(m_focusedControl) + key);
    begin = end;
  }
  return {};
}

std::string ScriptRunner::Backspace() {
  const std::string& current = m_focusedPage->FieldText(m_focusedControl);
  if (!current.empty()) Edit(current.substr(0, LastKeyStart(current)));
  return {};
}

void ScriptRunner::Edit(std::string text) { m_focusedPage->OnFieldEdited(m_focusedControl, text); }

void ScriptRunner::Dump(std::ostream& out) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (CFieldPage* page = m_pages.PageOf(field.controlId))
      out << field.name << '\t' << page->FieldText(field.controlId) << '\n';
  out << "active\t" << g_activeField << '\n';
}
