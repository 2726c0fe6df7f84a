// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/page_window.h"

#include <commctrl.h>
#include <imm.h>
#include <windowsx.h>

#include <string>

#include "app/win32/field_menu.h"
#include "app/win32/wide_text.h"
#include "app/window/window_behaviour.h"

CPageWindow::~CPageWindow() { m_page.SetObserver(nullptr); }

void CPageWindow::Create(HWND parent) {
  CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_page.Template().id), parent,
                     DialogProc, reinterpret_cast<LPARAM>(this));
  for (const ControlTemplate& control : m_page.Template().controls)
    if (control.kind == ControlKind::Edit) PrepareField(GetDlgItem(m_hwnd, control.id));
  m_page.SetObserver(this);
}

void CPageWindow::PrepareField(HWND edit) {
  // Numbers are typed as ASCII digits whatever input method is on, as Japanese number entry
  // does: the field has no input context, so keys reach it untranslated.
  ImmAssociateContextEx(edit, nullptr, 0);
  SetWindowSubclass(edit, FieldProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK CPageWindow::FieldProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data) {
  if (message == WM_CONTEXTMENU) {
    const int controlId = GetDlgCtrlID(edit);
    const auto& page = reinterpret_cast<const CPageWindow*>(data)->m_page;
    ShowFieldMenu(edit, controlId, page.FieldText(controlId),
                  {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, FieldProc, 0);
  return DefSubclassProc(edit, message, wParam, lParam);
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
