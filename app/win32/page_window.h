// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// One page of the converter as a Win32 child dialog, made from the page's template resource.
//
// It carries events between the EDIT controls and the page: a field gaining the focus and a
// text the user changed go to the page, every text the page writes goes into its control.
// The page alone decides what a change does. The Enter key inside the page goes to the
// page's OnOK; Escape, the page's Cancel, goes on to the main window as a Cancel sent by the
// page. Its fields take no input method, and their context menu is the field menu of
// field_menu.h. It renders the page's view; it does not place or show itself: the main
// window does.
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
  void Create(HWND parent);
  HWND Hwnd() const { return m_hwnd; }
  // Shows the page as `view` describes it, in the dialog font at `dpi`.
  void LayOut(const DialogView& view, UINT dpi) { m_layout.Apply(m_hwnd, view, dpi); }

  void OnFieldWritten(int controlId, std::string_view text) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Gives an edit control no input context and the field menu of field_menu.h.
  void PrepareField(HWND edit);
  static LRESULT CALLBACK FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data);
  void OnCommand(WORD code, WORD id, HWND control);

  CFieldPage& m_page;
  CDialogLayout m_layout;
  HWND m_hwnd = nullptr;
  // Set while a text the page wrote goes into its control: that control's EN_CHANGE echoes
  // a write the page has already notified itself of, nested in the write.
  bool m_writing = false;
};

#endif
