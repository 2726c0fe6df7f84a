// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Conversions between the program's narrow texts and the UTF-16 texts of the Windows API.
//
// The pages hold UTF-8 (their own texts are ASCII; whatever else the user types reaches them
// as UTF-8). Conversions name their code page explicitly and never use the ANSI code page,
// which differs from one Windows installation to the next.
#ifndef MENSORATOR_APP_WIN32_WIDE_TEXT_H
#define MENSORATOR_APP_WIN32_WIDE_TEXT_H

#include <string>
#include <string_view>

// Shift JIS, the code page of Japanese Windows.
inline constexpr unsigned kShiftJisCodePage = 932;

// `text` in code page `codePage` (UTF-8, 65001, by default) as UTF-16.
std::wstring WideFromNarrow(std::string_view text, unsigned codePage = 65001);
// UTF-16 `text` as UTF-8.
std::string Utf8FromWide(std::wstring_view text);

#endif
