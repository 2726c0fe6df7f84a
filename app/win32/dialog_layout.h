// Lays a dialog out from its template in the dialog font at a given screen DPI, as the dialog
// manager would with that font (dialog units from its average character width and height),
// each label widened to its whole text where the space to its right is free. The dialog's
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
  // size, in pixels, that the template gives the dialog's client area.
  SIZE Apply(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi);
  // Apply for a top-level dialog, then sizes the window around that client area, its top left
  // corner where `suggested` (the rectangle of WM_DPICHANGED) puts it, or where it is.
  void ApplyToWindow(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi,
                     const RECT* suggested = nullptr);

 private:
  HFONT m_font = nullptr;
};

// The size of the top-level window `dialog`, frame included, once laid out at `dpi`.
SIZE WindowSizeAt(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi);
// Answers WM_GETDPISCALEDSIZE for `dialog` with that size, so that the rectangle the system
// suggests at WM_DPICHANGED has it; returns what the dialog procedure returns.
bool AnswerDpiScaledSize(HWND dialog, const DialogTemplate& dialogTemplate, WPARAM dpi,
                         LPARAM size);

#endif
