// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// A page of edit fields, the stand-in for a dialog with edit controls, and the narrow port
// through which a front end shows it.
//
// The page holds the text of each edit field of its template and delivers the two edit
// notifications to its handlers through the page's message map: EN_SETFOCUS when a field
// gains the focus, EN_CHANGE whenever a field's text changes. A write by a handler delivers
// its notification synchronously, nested inside the write, even when the text is unchanged.
// It does no conversions and owns no widgets: a front end mirrors the texts through a
// FieldObserver and feeds focus changes and user edits in.
#ifndef MENSORATOR_FIELDS_FIELD_PAGE_H
#define MENSORATOR_FIELDS_FIELD_PAGE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "res/dialog_template.h"

// Edit-control notification codes. <windows.h> defines the same values as macros; where it
// came first, its definitions stand.
#ifndef EN_SETFOCUS
inline constexpr std::uint16_t EN_SETFOCUS = 0x0100;
#endif
#ifndef EN_CHANGE
inline constexpr std::uint16_t EN_CHANGE = 0x0300;
#endif

// What a front end implements to show a page: told of every text the page writes.
class FieldObserver {
 public:
  virtual void OnFieldWritten(int controlId, std::string_view text) = 0;

 protected:
  ~FieldObserver() = default;
};

// One row of a page's message map: a notification of one control and the handler it runs.
template <class Page>
struct MessageMapEntry {
  std::uint16_t code;
  int controlId;
  void (Page::*handler)();
};

class CFieldPage {
 public:
  CFieldPage(const CFieldPage&) = delete;
  CFieldPage& operator=(const CFieldPage&) = delete;
  virtual ~CFieldPage() = default;

  const DialogTemplate& Template() const { return m_template; }

  // Creates the page: its data exchange writes the fields' initial texts. Call once.
  void Create();

  // --- The front end's port ---
  void SetObserver(FieldObserver* observer) { m_observer = observer; }
  bool HasField(int controlId) const;
  const std::string& FieldText(int controlId) const;
  // The field gained the keyboard focus.
  void OnFieldFocused(int controlId);
  // The user changed the field's text (a key, a paste, a deletion) to `text`. The front end
  // already shows it, so the observer hears only of what the handlers write in turn.
  void OnFieldEdited(int controlId, std::string_view text);
  // The Enter key inside the page. Pages do nothing with it.
  virtual void OnOK() {}

 protected:
  explicit CFieldPage(const DialogTemplate& dialogTemplate);

  // Writes each field's initial text (the members-to-fields direction only).
  virtual void DoDataExchange() = 0;
  // Routes a notification through the page's message map (see RouteCommand).
  virtual void OnCommand(std::uint16_t code, int controlId) = 0;

  // The field access operations. The first reads the whole text; the second at most
  // `maxCount` - 1 characters followed by a zero into `buffer`, returning how many it copied;
  // the third replaces the text and delivers EN_CHANGE before it returns.
  void GetDlgItemTextA(int controlId, std::string& text) const;
  int GetDlgItemTextA(int controlId, char* buffer, int maxCount) const;
  void SetDlgItemTextA(int controlId, std::string_view text);

  // Data exchange: write the value's text only where it differs from the field's.
  void DDX_Text(int controlId, const std::string& value);
  void DDX_Text(int controlId, float value);

 private:
  struct Field {
    int controlId;
    std::string text;
  };
  Field& FindField(int controlId);
  const Field& FindField(int controlId) const;
  void Write(int controlId, std::string_view text);

  const DialogTemplate& m_template;
  std::vector<Field> m_fields;
  FieldObserver* m_observer = nullptr;
  bool m_created = false;
};

// Runs the handler that `map` names for the notification, if any. A page's OnCommand is this
// one call over its static message map.
template <class Page, std::size_t N>
void RouteCommand(Page& page, const MessageMapEntry<Page> (&map)[N], std::uint16_t code,
                  int controlId) {
  for (const MessageMapEntry<Page>& entry : map) {
    if (entry.code == code && entry.controlId == controlId) {
      (page.*entry.handler)();
      return;
    }
  }
}

#endif
