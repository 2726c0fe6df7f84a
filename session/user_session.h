// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// A user at the keyboard in front of the program's pages: switch tabs, focus a field, type key
// by key, append, paste, delete, clear. It records every text the pages write during the
// latest action so that checks can ask what that action did.
//
// It acts as the window's edit controls do and nothing more: a key typed over the selected
// text replaces it, later keys go at the end, a backspace deletes the last key (keys as
// keys.h splits them), and deleting from an empty field changes nothing. The cascade is the
// pages' own. The script driver, the fuzzer and the tests all drive the pages through it; it
// judges nothing.
#ifndef MENSORATOR_SESSION_USER_SESSION_H
#define MENSORATOR_SESSION_USER_SESSION_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fields/field_page.h"
#include "pages/converter_pages.h"

class UserSession : private FieldObserver {
 public:
  struct Write {
    int controlId;
    std::string text;
    bool operator==(const Write&) const = default;
  };

  // Starts the program afresh: the register as at start-up, the pages created as the window
  // creates them, the first tab shown and no field focused.
  UserSession();
  UserSession(const UserSession&) = delete;
  UserSession& operator=(const UserSession&) = delete;

  // The actions. Each one first forgets what the one before did. Keys go to the focused
  // field; without one (no field focused yet, or its page hidden) they go nowhere.
  void SwitchTab(std::size_t index);  // an index beyond the last tab changes nothing
  void Focus(int controlId);          // also shows the field's page, as clicking into it needs
  void Paste(std::string_view text);  // over the whole text selected
  // Each key (UTF-8 character) of `keys` is an action of its own, followed by a call of
  // `afterKey`; typing stops early when that returns false, and then returns false. Type goes
  // over the whole text selected, so that the first key replaces it; Append goes at its end.
  bool Type(std::string_view keys, const std::function<bool()>& afterKey = Always);
  bool Append(std::string_view keys, const std::function<bool()>& afterKey = Always);
  void Backspace();
  void Clear();

  ConverterPages& Pages() { return m_pages; }
  const std::string& Text(int controlId);
  // The field that has the keyboard focus, or 0.
  int FocusedField() const { return m_focused; }
  std::size_t Tab() const { return m_tab; }
  const std::vector<Write>& Writes() const { return m_writes; }
  // The field the latest action changed as the user (one key, paste or deletion), or 0 when
  // it changed none.
  int EditedField() const { return m_edited; }

 private:
  void OnFieldWritten(int controlId, std::string_view text) override;
  CFieldPage* FocusedPage();
  void BeginAction();
  void Edit(std::string text);
  bool Keys(std::string_view keys, bool replaceFirst, const std::function<bool()>& afterKey);
  static bool Always() { return true; }

  ConverterPages m_pages;
  std::size_t m_tab = 0;
  int m_focused = 0;
  int m_edited = 0;
  std::vector<Write> m_writes;
};

#endif
