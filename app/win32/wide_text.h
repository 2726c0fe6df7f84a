// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Conversions between the program's UTF-8 texts and the UTF-16 texts of the Windows API.
//
// The pages and the window model hold UTF-8 (the pages' own texts are ASCII; whatever else
// the user types reaches them as UTF-8). The conversions never use the ANSI code page, which
// differs from one Windows installation to the next.
#ifndef MENSORATOR_APP_WIN32_WIDE_TEXT_H
#define MENSORATOR_APP_WIN32_WIDE_TEXT_H

#include <string>
#include <string_view>

// UTF-8 `text` as UTF-16.
std::wstring WideFromNarrow(std::string_view text);
// UTF-16 `text` as UTF-8.
std::string Utf8FromWide(std::wstring_view text);

#endif
