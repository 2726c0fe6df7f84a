// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The dialogs' font: the face the templates name where it is installed, otherwise an installed
// face that has a glyph for every character the dialogs show, the system's Japanese UI faces
// first. The face is chosen once, at the first call. It lays nothing out.
#ifndef MENSORATOR_APP_WIN32_DIALOG_FONT_H
#define MENSORATOR_APP_WIN32_DIALOG_FONT_H

#include <windows.h>

#include <string>
#include <string_view>

// The face every dialog uses.
const std::wstring& DialogFontFace();
// The dialog font at the templates' point size for a screen of `dpi` dots per inch.
HFONT CreateDialogFont(UINT dpi);
// Whether the font selected into `dc` has a glyph for every character of `text` but its
// line breaks.
bool FontCovers(HDC dc, std::wstring_view text);

#endif
