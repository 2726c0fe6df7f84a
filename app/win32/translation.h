// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's texts in the user's Windows UI language.
//
// The dialog resources hold the Japanese texts. Where the user's UI language is another,
// each window puts the translations from the program's translation table in place as it
// opens: TranslateDialog for a dialog's caption and controls, Tr for any other text (tab
// texts, the window menu's entry). Field texts never pass through here.
#ifndef MENSORATOR_APP_WIN32_TRANSLATION_H
#define MENSORATOR_APP_WIN32_TRANSLATION_H

#include <windows.h>

#include <string>
#include <string_view>

#include "res/dialog_template.h"

// The language chosen for the user's UI language (GetUserDefaultUILanguage), e.g. "en".
std::string_view UserLanguage();

// `source` in the user's language.
std::wstring Tr(std::wstring_view source);

// Gives `dialog`, created from `dialogTemplate`, its caption and control texts in the user's
// language. The controls are matched to the template by their order, which is the order the
// dialog manager created them in.
void TranslateDialog(HWND dialog, const DialogTemplate& dialogTemplate);

#endif
