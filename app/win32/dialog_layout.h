// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Lays a dialog out from its template in the dialog font at a given screen DPI, as the dialog
// manager would with that font (dialog units from its average character width and height),
// each label widened to its whole text (in the user's language) where the space to its right
// is free, and where it is not, with the controls right of it moved over and the dialog
// widened (MakeRoomForLabels). The dialog's
// own controls come first among its children, in template order, as the dialog manager
// creates them. It owns the font the controls use; it creates, moves or shows no dialog.
#ifndef MENSORATOR_APP_WIN32_DIALOG_LAYOUT_H
#define MENSORATOR_APP_WIN32_DIALOG_LAYOUT_H

#include <windows.h>

#include "res/dialog_template.h"

class CDialogLayout {
 public:
  CDialogLayout() = default;
  CDialogLayout(const CDialogLayout&) = delete;
  CDialogLayout& operator=(const CDialogLayout&) = delete;
  ~CDialogLayout();

  // Gives the controls of `dialog` the dialog font at `dpi` and their places; returns the
  // size, in pixels, of the dialog's client area: the template's, wider where its labels
  // need it, and `widen` dialog units wider still, by which the controls that reach furthest
  // right (the tab control of the main window) stretch too.
  SIZE Apply(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi, int widen = 0);
  // Apply for a top-level dialog, then sizes the window around that client area, its top left
  // corner where `suggested` (the rectangle of WM_DPICHANGED) puts it, or where it is.
  void ApplyToWindow(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi,
                     const RECT* suggested = nullptr, int widen = 0);
  // Dialog units by which the last Apply made the dialog wider than its template.
  int ExtraWidth() const { return m_extraWidth; }

 private:
  HFONT m_font = nullptr;
  int m_extraWidth = 0;
};

// The size of the top-level window `dialog`, frame included, once laid out at `dpi` and
// `widen` dialog units wider than its template (the width its texts took, ExtraWidth).
SIZE WindowSizeAt(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi, int widen = 0);
// Answers WM_GETDPISCALEDSIZE for `dialog` with that size, so that the rectangle the system
// suggests at WM_DPICHANGED has it; returns what the dialog procedure returns.
bool AnswerDpiScaledSize(HWND dialog, const DialogTemplate& dialogTemplate, WPARAM dpi, LPARAM size,
                         int widen = 0);

#endif
