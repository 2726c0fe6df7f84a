// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/dialog_layout.h"

#include <algorithm>
#include <string>

#include "app/win32/dialog_font.h"
#include "app/win32/wide_text.h"
#include "app/window/language.h"

std::string_view UserLanguage() {
  static const std::string_view language = [] {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) return ChooseLanguage({});
    return ChooseLanguage({Utf8FromWide(name)});
  }();
  return language;
}

namespace {

// The width of `text` in the font selected into `dc`, as a static control of `kind` draws it.
int TextWidthIn(HDC dc, std::string_view text, ControlKind kind) {
  const std::wstring wide = WideFromNarrow(text);
  RECT bounds{};
  const UINT prefix = kind == ControlKind::LabelNoPrefix ? DT_NOPREFIX : 0;
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds,
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

// The size of the top-level window `dialog` around the client area of `view` at `dpi`.
SIZE WindowSizeAround(HWND dialog, const DialogView& view, UINT dpi) {
  RECT frame{0, 0, view.width, view.height};
  AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

// Places a dialog whose template gives no position: centred over its owner, or on the work
// area of its monitor when it has none.
void CenterWindow(HWND window) {
  const HWND owner = GetWindow(window, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST),
                  &monitor);
  RECT around = monitor.rcWork;
  if (owner != nullptr) GetWindowRect(owner, &around);
  RECT placed;
  GetWindowRect(window, &placed);
  const LONG width = placed.right - placed.left;
  const LONG height = placed.bottom - placed.top;
  // Centred, but kept whole on the work area.
  LONG left = (around.left + around.right - width) / 2;
  LONG top = (around.top + around.bottom - height) / 2;
  left = std::max(monitor.rcWork.left, std::min(left, monitor.rcWork.right - width));
  top = std::max(monitor.rcWork.top, std::min(top, monitor.rcWork.bottom - height));
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

WindowView DescribeWindowAt(ConverterPages& pages, UINT dpi) {
  const HFONT font = CreateDialogFont(dpi);
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, font);
  const std::wstring sample = WideFromNarrow(kAverageWidthSample);
  SIZE sampleSize{};
  GetTextExtentPoint32W(dc, sample.c_str(), static_cast<int>(sample.size()), &sampleSize);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  WindowView view = DescribeWindow(
      pages, UserLanguage(), DialogUnits::Measured(sampleSize.cx, metrics.tmHeight),
      [dc](std::string_view text, ControlKind kind) { return TextWidthIn(dc, text, kind); });
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return view;
}

CDialogLayout::~CDialogLayout() {
  if (m_font != nullptr) DeleteObject(m_font);
}

void CDialogLayout::Apply(HWND dialog, const DialogView& view, UINT dpi) {
  KeepDialogManagerFromScaling(dialog);
  const HFONT font = CreateDialogFont(dpi);
  HWND control = GetWindow(dialog, GW_CHILD);
  for (const ControlView& shown : view.controls) {
    if (control == nullptr) break;
    // Edit fields show the pages' texts and an icon its picture.
    if (!shown.text.empty() && shown.kind != ControlKind::Icon)
      SetWindowTextW(control, WideFromNarrow(shown.text).c_str());
    // An icon keeps the size the system gives icons.
    const UINT keepSize = shown.kind == ControlKind::Icon ? SWP_NOSIZE : 0;
    const PixelRect& at = shown.pixels;
    SetWindowPos(control, nullptr, at.x, at.y, at.cx, at.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    control = GetWindow(control, GW_HWNDNEXT);
  }
  if (m_font != nullptr) DeleteObject(m_font);
  m_font = font;
  InvalidateRect(dialog, nullptr, TRUE);
}

void CDialogLayout::ApplyToWindow(HWND dialog, const DialogView& view, UINT dpi,
                                  const RECT* suggested) {
  SetWindowTextW(dialog, WideFromNarrow(view.caption).c_str());
  Apply(dialog, view, dpi);
  const SIZE size = WindowSizeAround(dialog, view, dpi);
  if (suggested == nullptr) {
    SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow(dialog);
  } else {
    SetWindowPos(dialog, nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool AnswerDpiScaledSize(HWND dialog, const DialogView& view, WPARAM dpi, LPARAM size) {
  *reinterpret_cast<SIZE*>(size) = WindowSizeAround(dialog, view, static_cast<UINT>(dpi));
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
  return true;
}
