// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/translation.h"

#include <string>
#include <vector>

#include "app/win32/wide_text.h"
#include "res/translations.h"

std::string_view UserLanguage() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  if (LCIDToLocaleName(locale, name, LOCALE_NAME_MAX_LENGTH, 0) == 0) return ChooseLanguage({});
  return ChooseLanguage({Utf8FromWide(name)});
}

std::wstring Tr(std::wstring_view source) {
  return WideFromNarrow(Translate(UserLanguage(), Utf8FromWide(source)));
}

void TranslateDialog(HWND dialog, const DialogTemplate& dialogTemplate) {
  const std::string_view language = UserLanguage();
  if (language == kSourceLanguage) return;
  if (!dialogTemplate.caption.empty())
    SetWindowTextW(dialog, WideFromNarrow(Translate(language, dialogTemplate.caption)).c_str());
  HWND control = GetWindow(dialog, GW_CHILD);
  for (const ControlTemplate& item : dialogTemplate.controls) {
    if (control == nullptr) break;
    // Edit fields and the icon have no text of their own; the tab control's items replace
    // its text.
    if (!item.text.empty() && item.kind != ControlKind::Tab)
      SetWindowTextW(control, WideFromNarrow(Translate(language, item.text)).c_str());
    control = GetWindow(control, GW_HWNDNEXT);
  }
}
