// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/about_dlg.h"

#include "res/resource.h"

void CAboutDlg::DoModal(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, DialogProc,
                  reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CAboutDlg::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
  auto* self = reinterpret_cast<CAboutDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  switch (message) {
    case WM_INITDIALOG: {
      const UINT dpi = GetDpiForWindow(hwnd);
      self->m_layout.ApplyToWindow(hwnd, DescribeWindowAt(self->m_pages, dpi).about, dpi);
      return TRUE;
    }
    case WM_GETDPISCALEDSIZE:
      return AnswerDpiScaledSize(
          hwnd, DescribeWindowAt(self->m_pages, static_cast<UINT>(wParam)).about, wParam, lParam);
    case WM_DPICHANGED:
      self->m_layout.ApplyToWindow(hwnd, DescribeWindowAt(self->m_pages, LOWORD(wParam)).about,
                                   LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
      EndDialog(hwnd, LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}
