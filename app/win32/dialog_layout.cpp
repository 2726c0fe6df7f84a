// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/dialog_layout.h"

#include <algorithm>
#include <string>
#include <vector>

#include "app/win32/dialog_font.h"
#include "app/win32/translation.h"
#include "app/win32/wide_text.h"
#include "res/label_room.h"
#include "res/translations.h"

namespace {

// The dialog manager's base units: the average width of the Latin letters, rounded, and the
// font's height.
SIZE BaseUnits(HDC dc) {
  constexpr std::wstring_view kLetters = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE letters{};
  GetTextExtentPoint32W(dc, kLetters.data(), static_cast<int>(kLetters.size()), &letters);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return {(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

// The widest line of a label's text in pixels, as the static control draws it.
int TextWidth(HDC dc, const ControlTemplate& label) {
  const std::wstring text = WideFromNarrow(Translate(UserLanguage(), label.text));
  RECT bounds{};
  const UINT prefix = label.kind == ControlKind::LabelNoPrefix ? DT_NOPREFIX : 0;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
            DT_CALCRECT | DT_EXPANDTABS | prefix);
  return bounds.right - bounds.left;
}

// Leaves DPI changes to the layout: the dialog manager of Windows 10 and later would scale the
// template's own font over it. Looked up by name, as older Windows and wine lack it.
void KeepDialogManagerFromScaling(HWND dialog) {
  using SetBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
  static const auto setBehavior = reinterpret_cast<SetBehavior>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
  if (setBehavior != nullptr) setBehavior(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

SIZE ClientSize(int cx, int cy, SIZE base) {
  return {MulDiv(cx, base.cx, 4), MulDiv(cy, base.cy, 8)};
}

// Widens the layout by `widen` dialog units, stretching the controls that reach furthest right.
void Widen(DialogLayout& layout, int widen) {
  if (widen <= 0) return;
  int right = 0;
  for (const DialogRect& rect : layout.controls) right = std::max(right, rect.x + rect.cx);
  for (DialogRect& rect : layout.controls)
    if (rect.x + rect.cx == right) rect.cx += widen;
  layout.cx += widen;
}

// The size of the top-level window `dialog` around a client area of `client` at `dpi`.
SIZE WindowSizeAround(HWND dialog, SIZE client, UINT dpi) {
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

CDialogLayout::~CDialogLayout() {
  if (m_font != nullptr) DeleteObject(m_font);
}

SIZE CDialogLayout::Apply(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi, int widen) {
  KeepDialogManagerFromScaling(dialog);
  const HFONT font = CreateDialogFont(dpi);
  const HDC dc = GetDC(dialog);
  const HGDIOBJ old = SelectObject(dc, font);
  const SIZE base = BaseUnits(dc);
  DialogLayout layout = MakeRoomForLabels(dialogTemplate, [&](const ControlTemplate& label) {
    return DialogUnitsCoveringX(TextWidth(dc, label), base.cx);
  });
  Widen(layout, widen);
  m_extraWidth = layout.cx - dialogTemplate.cx;
  const std::vector<DialogRect>& rects = layout.controls;
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);

  HWND control = GetWindow(dialog, GW_CHILD);
  for (std::size_t i = 0; i < rects.size() && control != nullptr; ++i) {
    const DialogRect& rect = rects[i];
    // An icon keeps the size the system gives icons.
    const UINT keepSize = dialogTemplate.controls[i].kind == ControlKind::Icon ? SWP_NOSIZE : 0;
    SetWindowPos(control, nullptr, MulDiv(rect.x, base.cx, 4), MulDiv(rect.y, base.cy, 8),
                 MulDiv(rect.cx, base.cx, 4), MulDiv(rect.cy, base.cy, 8),
                 SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    control = GetWindow(control, GW_HWNDNEXT);
  }
  if (m_font != nullptr) DeleteObject(m_font);
  m_font = font;
  InvalidateRect(dialog, nullptr, TRUE);
  return ClientSize(layout.cx, layout.cy, base);
}

void CDialogLayout::ApplyToWindow(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi,
                                  const RECT* suggested, int widen) {
  const SIZE size = WindowSizeAround(dialog, Apply(dialog, dialogTemplate, dpi, widen), dpi);
  RECT now;
  GetWindowRect(dialog, &now);
  const RECT& at = suggested != nullptr ? *suggested : now;
  SetWindowPos(dialog, nullptr, at.left, at.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSizeAt(HWND dialog, const DialogTemplate& dialogTemplate, UINT dpi, int widen) {
  const HFONT font = CreateDialogFont(dpi);
  const HDC dc = GetDC(dialog);
  const HGDIOBJ old = SelectObject(dc, font);
  const SIZE base = BaseUnits(dc);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  DeleteObject(font);
  return WindowSizeAround(dialog, ClientSize(dialogTemplate.cx + widen, dialogTemplate.cy, base),
                          dpi);
}

bool AnswerDpiScaledSize(HWND dialog, const DialogTemplate& dialogTemplate, WPARAM dpi, LPARAM size,
                         int widen) {
  *reinterpret_cast<SIZE*>(size) =
      WindowSizeAt(dialog, dialogTemplate, static_cast<UINT>(dpi), widen);
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
  return true;
}
