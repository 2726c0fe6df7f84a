// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/about_dlg.h"

#include "app/win32/center_window.h"
#include "app/win32/translation.h"
#include "res/dialog_template.h"
#include "res/resource.h"

void CAboutDlg::DoModal(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, DialogProc,
                  reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CAboutDlg::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    TranslateDialog(hwnd, kAboutBoxTemplate);
    reinterpret_cast<CAboutDlg*>(lParam)->m_layout.ApplyToWindow(hwnd, kAboutBoxTemplate,
                                                                 GetDpiForWindow(hwnd));
    CenterWindow(hwnd);
    return TRUE;
  }
  if (message == WM_GETDPISCALEDSIZE)
    return AnswerDpiScaledSize(
        hwnd, kAboutBoxTemplate, wParam, lParam,
        reinterpret_cast<CAboutDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER))->m_layout.ExtraWidth());
  if (message == WM_DPICHANGED) {
    auto* self = reinterpret_cast<CAboutDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    self->m_layout.ApplyToWindow(hwnd, kAboutBoxTemplate, LOWORD(wParam),
                                 reinterpret_cast<const RECT*>(lParam));
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hwnd, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}
