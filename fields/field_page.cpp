// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "fields/field_page.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "fields/active_field.h"
#include "fields/number_text.h"

namespace {

// Matches the field of one control.
auto WithId(int controlId) {
  return [controlId](const auto& field) { return field.controlId == controlId; };
}

}  // namespace

CFieldPage::CFieldPage(const DialogTemplate& dialogTemplate) : m_template(dialogTemplate) {
  // An edit control starts empty, as one made from a template does.
  for (const ControlTemplate& control : dialogTemplate.controls)
    if (control.kind == ControlKind::Edit) m_fields.push_back({control.id, {}});
}

void CFieldPage::Create() {
  if (m_created) throw std::logic_error("CFieldPage::Create: the page exists already");
  m_created = true;
  DoDataExchange();
}

bool CFieldPage::HasField(int controlId) const {
  return std::any_of(m_fields.begin(), m_fields.end(), WithId(controlId));
}

const std::string& CFieldPage::FieldText(int controlId) const { return FindField(controlId).text; }

void CFieldPage::OnFieldFocused(int controlId) {
  FindField(controlId);  // rejects a control the page does not have
  OnCommand(EN_SETFOCUS, controlId);
}

void CFieldPage::OnFieldEdited(int controlId, std::string_view text) {
  FindField(controlId).text.assign(text);
  OnCommand(EN_CHANGE, controlId);
}

void CFieldPage::GetDlgItemTextA(int controlId, std::string& text) const {
  text = FindField(controlId).text;
}

int CFieldPage::GetDlgItemTextA(int controlId, char* buffer, int maxCount) const {
  if (maxCount <= 0) return 0;
  const std::string& text = FindField(controlId).text;
  const std::size_t count = std::min(text.size(), static_cast<std::size_t>(maxCount - 1));
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}

void CFieldPage::SetDlgItemTextA(int controlId, std::string_view text) { Write(controlId, text); }

void CFieldPage::DDX_Text(int controlId, const std::string& value) {
  if (FindField(controlId).text != value) Write(controlId, value);
}

void CFieldPage::DDX_Text(int controlId, float value) {
  // A float's text as the data exchange writes it: at most six significant digits.
  DDX_Text(controlId, FormatGeneral(value, 6));
}

void CFieldPage::Write(int controlId, std::string_view text) {
  std::string& stored = FindField(controlId).text;
  stored.assign(text);
  if (m_observer) m_observer->OnFieldWritten(controlId, stored);
  OnCommand(EN_CHANGE, controlId);
}

CFieldPage::Field& CFieldPage::FindField(int controlId) {
  return const_cast<Field&>(std::as_const(*this).FindField(controlId));
}

const CFieldPage::Field& CFieldPage::FindField(int controlId) const {
  const auto found = std::find_if(m_fields.begin(), m_fields.end(), WithId(controlId));
  if (found == m_fields.end())
    throw std::out_of_range("no edit field " + std::to_string(controlId) + " on this page");
  return *found;
}
