#include "tools/script/script_runner.h"

#include <istream>
#include <ostream>

#include "fields/active_field.h"

namespace {

// The length of the UTF-8 character that starts with `lead` (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Where the last UTF-8 character of `text` starts.
std::size_t LastCharacterStart(std::string_view text) {
  std::size_t pos = text.size() - 1;
  while (pos > 0 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) --pos;
  return pos;
}

}  // namespace

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
  // One key per UTF-8 character: the first replaces the whole text when typing over a
  // selection, every other goes at the end of the text as it stands after the last key.
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = Utf8Length(static_cast<unsigned char>(text[pos]));
    const std::string_view key = text.substr(pos, length);
    if (pos == 0 && replaceFirst)
      Edit(std::string(key));
    else
      Edit(m_focusedPage->FieldText(m_focusedControl) + std::string(key));
    pos += length;
  }
  return {};
}

std::string ScriptRunner::Backspace() {
  const std::string& current = m_focusedPage->FieldText(m_focusedControl);
  if (!current.empty()) Edit(current.substr(0, LastCharacterStart(current)));
  return {};
}

void ScriptRunner::Edit(std::string text) { m_focusedPage->OnFieldEdited(m_focusedControl, text); }

void ScriptRunner::Dump(std::ostream& out) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (CFieldPage* page = m_pages.PageOf(field.controlId))
      out << field.name << '\t' << page->FieldText(field.controlId) << '\n';
  out << "active\t" << g_activeField << '\n';
}
