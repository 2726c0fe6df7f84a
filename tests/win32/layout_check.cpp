// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tests/win32/layout_check.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/win32/dialog_font.h"

namespace {

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
  GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1);
  if (ClassName(control) != WC_TABCONTROLW) return text;
  for (int i = 0; i < TabCtrl_GetItemCount(control); ++i) {
    wchar_t item[64] = {};
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = item;
    tab.cchTextMax = 64;
    TabCtrl_GetItem(control, i, &tab);
    text += item;
  }
  return text;
}

DWORD Style(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

bool IsIcon(HWND control) {
  return ClassName(control) == L"Static" && (Style(control) & SS_TYPEMASK) == SS_ICON;
}

// A control that a label may lie inside: a group box, or a page over the tabs.
bool Encloses(HWND control) {
  const std::wstring name = ClassName(control);
  return name == L"#32770" || (name == L"Button" && (Style(control) & BS_TYPEMASK) == BS_GROUPBOX);
}

RECT RectIn(HWND dialog, HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void CheckLabel(Checker& check, HWND dialog, HWND label, const std::vector<HWND>& controls,
                const std::string& where) {
  const std::wstring text = TextOf(label);
  const HDC dc = GetDC(label);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT needed{};
  const UINT prefix = (Style(label) & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
            DT_CALCRECT | DT_EXPANDTABS | prefix);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT client;
  GetClientRect(label, &client);
  check.That(needed.right <= client.right, where + "text " + std::to_string(needed.right) +
                                               " px wide in a control of " +
                                               std::to_string(client.right));
  check.That(needed.bottom <= client.bottom, where + "text " + std::to_string(needed.bottom) +
                                                 " px high in a control of " +
                                                 std::to_string(client.bottom));
  check.Equal(Style(label) & SS_TYPEMASK, SS_LEFTNOWORDWRAP, where + "never wraps");
  // The text as drawn from the label's corner must lie clear of every other control. (A
  // template's boxes may overlap by a unit where the text leaves room.)
  RECT drawn = RectIn(dialog, label);
  drawn.right = drawn.left + needed.right;
  drawn.bottom = drawn.top + needed.bottom;
  for (HWND other : controls) {
    RECT common;
    const RECT otherPlaced = RectIn(dialog, other);
    if (other != label && !Encloses(other) && IntersectRect(&common, &drawn, &otherPlaced))
      check.That(false, where + "text under \"" + Utf8FromWide(TextOf(other)) + "\"");
  }
}

}  // namespace

void CheckLayout(Checker& check, HWND dialog, UINT dpi) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    if (ClassName(child) != L"#32770") controls.push_back(child);
  for (HWND control : controls) {
    if (IsIcon(control)) continue;
    const std::wstring text = TextOf(control);
    const std::string where =
        std::string("\"") + Utf8FromWide(text) + "\" at " + std::to_string(dpi) + " dpi: ";
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    check.Equal(font.lfHeight, -MulDiv(9, static_cast<int>(dpi), 72), where + "font height");
    check.Equal(font.lfFaceName, DialogFontFace(), where + "font");
    const HDC dc = GetDC(control);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    check.That(FontCovers(dc, text), where + "a glyph for every character");
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    if (ClassName(control) == L"Static") CheckLabel(check, dialog, control, controls, where);
  }
}
