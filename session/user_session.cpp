// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "session/user_session.h"

#include <utility>

#include "session/keys.h"

UserSession::UserSession() {
  for (CFieldPage* page : m_pages.All()) page->SetObserver(this);
  m_pages.Create();
}

void UserSession::SwitchTab(std::size_t index) {
  BeginAction();
  if (index >= m_pages.All().size() || index == m_tab) return;
  m_tab = index;
  // The focused field went out of sight with its page; the register keeps its code.
  m_focused = 0;
}

void UserSession::Focus(int controlId) {
  BeginAction();
  CFieldPage* page = m_pages.PageOf(controlId);
  if (page == nullptr) return;
  const auto pages = m_pages.All();
  for (std::size_t i = 0; i < pages.size(); ++i)
    if (pages[i] == page) m_tab = i;
  m_focused = controlId;
  page->OnFieldFocused(controlId);
}

bool UserSession::Type(std::string_view keys, const std::function<bool()>& afterKey) {
  return Keys(keys, true, afterKey);
}

bool UserSession::Append(std::string_view keys, const std::function<bool()>& afterKey) {
  return Keys(keys, false, afterKey);
}

void UserSession::Paste(std::string_view text) {
  BeginAction();
  if (FocusedPage() != nullptr) Edit(std::string(text));
}

void UserSession::Backspace() {
  BeginAction();
  if (FocusedPage() == nullptr) return;
  const std::string& text = Text(m_focused);
  if (text.empty()) return;
  Edit(text.substr(0, LastKeyStart(text)));
}

void UserSession::Clear() {
  BeginAction();
  // An edit control that is empty already sends no change for a deletion.
  if (FocusedPage() != nullptr && !Text(m_focused).empty()) Edit({});
}

const std::string& UserSession::Text(int controlId) {
  return m_pages.PageOf(controlId)->FieldText(controlId);
}

void UserSession::OnFieldWritten(int controlId, std::string_view text) {
  m_writes.push_back({controlId, std::string(text)});
}

CFieldPage* UserSession::FocusedPage() {
  return m_focused == 0 ? nullptr : m_pages.PageOf(m_focused);
}

void UserSession::BeginAction() {
  m_writes.clear();
  m_edited = 0;
}

void UserSession::Edit(std::string text) {
  m_edited = m_focused;
  FocusedPage()->OnFieldEdited(m_focused, text);
}

bool UserSession::Keys(std::string_view keys, bool replaceFirst,
                       const std::function<bool()>& afterKey) {
  std::size_t begin = 0;
  for (std::size_t end : KeyEnds(keys)) {
    BeginAction();
    if (FocusedPage() != nullptr) {
      const std::string key(keys.substr(begin, end - begin));
      Edit(begin == 0 && replaceFirst ? key : Text(m_focused) + key);
    }
    if (!afterKey()) return false;
    begin = end;
  }
  return true;
}
