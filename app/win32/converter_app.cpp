// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/converter_app.h"

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "app/win32/converter_dlg.h"

bool CConverterApp::InitInstance() {
  // Registers the tab control's window class; with the manifest's common controls 6 this also
  // gives every control the system's current look.
  INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  CConverterDlg dialog;
  dialog.DoModal();
  return false;
}
