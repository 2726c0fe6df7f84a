// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The About box: the program's name, version and date, from the IDD_ABOUTBOX template, laid
// out in the dialog font at its screen's DPI and again when that changes. OK, Enter and
// Escape close it. It does nothing else.
#ifndef MENSORATOR_APP_WIN32_ABOUT_DLG_H
#define MENSORATOR_APP_WIN32_ABOUT_DLG_H

#include <windows.h>

#include "app/win32/dialog_layout.h"

class CAboutDlg {
 public:
  // Shows the box modally over `owner` until it is closed.
  void DoModal(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  CDialogLayout m_layout;
};

#endif
