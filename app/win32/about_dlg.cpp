#include "app/win32/about_dlg.h"

#include "app/win32/center_window.h"
#include "app/win32/translation.h"
#include "res/dialog_template.h"
#include "res/resource.h"

void CAboutDlg::DoModal(HWND owner) {
  DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, DialogProc, 0);
}

INT_PTR CALLBACK CAboutDlg::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    TranslateDialog(hwnd, kAboutBoxTemplate);
    CenterWindow(hwnd);
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(hwnd, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}
