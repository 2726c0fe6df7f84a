// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Renders the window model in Win32 dialogs made from the same templates: DescribeWindowAt
// measures the dialog font at a screen's DPI for the model, and CDialogLayout gives a
// dialog's controls the texts, places and font the model describes. The dialog's own
// controls come first among its children, in template order, as the dialog manager creates
// them. It decides no place and no text itself, and creates, shows or hides no window.
#ifndef MENSORATOR_APP_WIN32_DIALOG_LAYOUT_H
#define MENSORATOR_APP_WIN32_DIALOG_LAYOUT_H

#include <windows.h>

#include "app/window/window_view.h"

// The language of the user's Windows UI, chosen once: the language of every text shown.
std::string_view UserLanguage();

// The program's windows in the user's language, measured in the dialog font at `dpi`.
WindowView DescribeWindowAt(ConverterPages& pages, UINT dpi);

class CDialogLayout {
 public:
  CDialogLayout() = default;
  CDialogLayout(const CDialogLayout&) = delete;
  CDialogLayout& operator=(const CDialogLayout&) = delete;
  ~CDialogLayout();

  // Gives the controls of `dialog` their texts, their places and the dialog font at `dpi`.
  void Apply(HWND dialog, const DialogView& view, UINT dpi);
  // Apply for a top-level dialog, its caption too, then sizes the window around the view's
  // client area, its top left corner where `suggested` (the rectangle of WM_DPICHANGED) puts
  // it, or else centred over its owner, or on its monitor's work area when it has none.
  void ApplyToWindow(HWND dialog, const DialogView& view, UINT dpi,
                     const RECT* suggested = nullptr);

 private:
  HFONT m_font = nullptr;
};

// Answers WM_GETDPISCALEDSIZE for the top-level `dialog` with the size of its window around
// `view`, described at the new DPI, so that the rectangle the system suggests at
// WM_DPICHANGED has it; returns what the dialog procedure returns.
bool AnswerDpiScaledSize(HWND dialog, const DialogView& view, WPARAM dpi, LPARAM size);

#endif
