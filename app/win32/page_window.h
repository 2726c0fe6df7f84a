// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// One page of the converter as a Win32 child dialog, made from the page's template resource.
//
// It carries events between the EDIT controls and the page: a field gaining the focus and a
// text the user changed go to the page, every text the page writes goes into its control.
// The page alone decides what a change does. The Enter key inside the page goes to the
// page's OnOK; Escape hides the page, as ending a modeless dialog does, and hands the focus
// to the window named at creation, so that keys typed next reach no hidden field. It lays
// its controls out in the dialog font; it does not place or show itself: the main window does.
#ifndef MENSORATOR_APP_WIN32_PAGE_WINDOW_H
#define MENSORATOR_APP_WIN32_PAGE_WINDOW_H

#include <windows.h>

#include <string_view>

#include "app/win32/dialog_layout.h"
#include "fields/field_page.h"

class CPageWindow final : public FieldObserver {
 public:
  explicit CPageWindow(CFieldPage& page) : m_page(page) {}
  CPageWindow(const CPageWindow&) = delete;
  CPageWindow& operator=(const CPageWindow&) = delete;
  ~CPageWindow();

  // Creates the hidden window as a child of `parent` and starts showing the page's texts.
  // The page's own start-up (CFieldPage::Create) comes after, and fills the controls.
  // `focusWhenHidden` takes the focus when Escape hides the page.
  void Create(HWND parent, HWND focusWhenHidden);
  HWND Hwnd() const { return m_hwnd; }
  // Lays the controls out for a screen of `dpi` dots per inch.
  void LayOut(UINT dpi) { m_layout.Apply(m_hwnd, m_page.Template(), dpi); }
  // Dialog units the page needs beyond its template's width, for labels in the user's language.
  int ExtraWidth() const { return m_layout.ExtraWidth(); }

  void OnFieldWritten(int controlId, std::string_view text) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WORD code, WORD id, HWND control);

  CFieldPage& m_page;
  CDialogLayout m_layout;
  HWND m_hwnd = nullptr;
  HWND m_focusWhenHidden = nullptr;
  // Set while a text the page wrote goes into its control: that control's EN_CHANGE echoes
  // a write the page has already notified itself of, nested in the write.
  bool m_writing = false;
};

#endif
