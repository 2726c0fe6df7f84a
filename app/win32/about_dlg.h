// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The About box: the program's name, version and date, from the IDD_ABOUTBOX template,
// rendered from the window model at its screen's DPI and again when that changes. OK, Enter
// and Escape close it. It does nothing else.
#ifndef MENSORATOR_APP_WIN32_ABOUT_DLG_H
#define MENSORATOR_APP_WIN32_ABOUT_DLG_H

#include <windows.h>

#include "app/win32/dialog_layout.h"

class CAboutDlg {
 public:
  // `pages` are the program's, which the window model describes along with the box.
  explicit CAboutDlg(ConverterPages& pages) : m_pages(pages) {}

  // Shows the box modally over `owner` until it is closed.
  void DoModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  ConverterPages& m_pages;
  CDialogLayout m_layout;
};

#endif
