// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/page_window.h"

#include <string>

#include "app/win32/wide_text.h"
#include "app/window/window_behaviour.h"

CPageWindow::~CPageWindow() { m_page.SetObserver(nullptr); }

void CPageWindow::Create(HWND parent) {
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
  const auto caret =
      static_cast<WPARAM>(CaretAfterRewrite(GetFocus() == edit, static_cast<int>(wide.size())));
  SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

INT_PTR CALLBACK CPageWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CPageWindow*>(lParam);
    self->m_hwnd = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
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
    SendMessageW(GetParent(m_hwnd), WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(m_hwnd));
  }
}
