// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/page_window.h"

#include <string>

#include "app/win32/translation.h"
#include "app/win32/wide_text.h"

CPageWindow::~CPageWindow() { m_page.SetObserver(nullptr); }

void CPageWindow::Create(HWND parent, HWND focusWhenHidden) {
  m_focusWhenHidden = focusWhenHidden;
  CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_page.Template().id), parent,
                     DialogProc, reinterpret_cast<LPARAM>(this));
  m_page.SetObserver(this);
}

void CPageWindow::OnFieldWritten(int controlId, std::string_view text) {
  const HWND edit = GetDlgItem(m_hwnd, controlId);
  const std::wstring wide = WideFromNarrow(text);
  m_writing = true;
  SetWindowTextW(edit, wide.c_str());
  m_writing = false;
  // A handler may rewrite the field being typed in (a range reduction); the next key must
  // land after the new text, not in front of it where SetWindowText leaves the caret.
  if (GetFocus() == edit) {
    const auto end = static_cast<WPARAM>(wide.size());
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
  }
}

INT_PTR CALLBACK CPageWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CPageWindow*>(lParam);
    self->m_hwnd = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    TranslateDialog(hwnd, self->m_page.Template());
    return FALSE;  // no focus: creating a page must not make any of its fields active
  }
  auto* self = reinterpret_cast<CPageWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr || message != WM_COMMAND) return FALSE;
  self->OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
  return TRUE;
}

void CPageWindow::OnCommand(WORD code, WORD id, HWND control) {
  if (control != nullptr && m_page.HasField(id)) {
    if (code == EN_SETFOCUS) {
      m_page.OnFieldFocused(id);
    } else if (code == EN_CHANGE && !m_writing) {
      std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1);
      m_page.OnFieldEdited(id, Utf8FromWide(text));
    }
  } else if (id == IDOK) {
    m_page.OnOK();
  } else if (id == IDCANCEL) {
    ShowWindow(m_hwnd, SW_HIDE);
    SetFocus(m_focusWhenHidden);
  }
}
