// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The main window: a modal dialog whose tab control selects which page is visible. The pages
// are child dialogs over the tab control's display area. The window menu carries the About
// box's entry, F1 opens it too; Ctrl+Tab and Ctrl+PageDown select the next page,
// Ctrl+Shift+Tab and Ctrl+PageUp the previous one; Enter does nothing; Cancel (the close box,
// Escape outside a page) ends it. It is laid out in the dialog font at its screen's DPI, and
// again when that changes.
//
// It holds the pages and their windows and routes dialog keys to the page that has the
// focus; the conversions are the pages' own.
#ifndef MENSORATOR_APP_WIN32_CONVERTER_DLG_H
#define MENSORATOR_APP_WIN32_CONVERTER_DLG_H

#include <windows.h>

#include <memory>
#include <vector>

#include "app/win32/dialog_layout.h"
#include "app/win32/page_window.h"
#include "pages/converter_pages.h"

class CConverterDlg {
 public:
  CConverterDlg();
  CConverterDlg(const CConverterDlg&) = delete;
  CConverterDlg& operator=(const CConverterDlg&) = delete;
  ~CConverterDlg();

  // Shows the window and runs it until it is closed; returns IDCANCEL.
  INT_PTR DoModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Gives a dialog key to the dialog it belongs to, the focused page first, as nested
  // dialogs do: Enter and Escape inside a page reach that page, not the main window.
  bool PreTranslateMessage(MSG& msg);

  BOOL OnInitDialog();
  void AddAboutBoxEntry();
  void InsertTabs();
  void LayOut(UINT dpi, const RECT* suggested = nullptr);
  void PlacePages();
  bool OnSysCommand(UINT nID);
  void OnAboutBox();
  // Selects the page `step` places after the selected one, round the tabs, as a click on its
  // tab would, and puts the focus into its first field.
  void SelectPage(int step);
  bool OnPaint();
  HICON OnQueryDragIcon() const { return m_hIcon; }
  void OnSelchangeTab();
  void FocusFirstField(HWND page);
  void OnOK() {}
  void OnCancel();

  ConverterPages m_pages;
  CDialogLayout m_layout;
  std::vector<std::unique_ptr<CPageWindow>> m_pageWindows;  // in tab order
  HWND m_hwnd = nullptr;
  HWND m_tab = nullptr;
  HICON m_hIcon;
  HACCEL m_keys;
  bool m_ended = false;
};

#endif
