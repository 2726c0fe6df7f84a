// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's texts that are not part of a dialog template.
#ifndef MENSORATOR_RES_STRINGS_H
#define MENSORATOR_RES_STRINGS_H

#include <string_view>

#include "res/dialogs.h"

// IDS_ABOUTBOX, the window menu's entry for the About box; "&" marks the access key.
inline constexpr std::string_view kAboutBoxMenuText = ABOUTBOX_MENU_TEXT;

// The tab texts, held as code-page-932 bytes: "基数変換・角度単位関連" and "距離・角度".
// A front end decodes them explicitly, never through the process locale.
inline constexpr std::string_view kTabTextsCp932[] = {
    "\x8a\xee\x90\x94\x95\xcf\x8a\xb7\x81\x45\x8a\x70\x93\x78\x92\x50\x88\xca\x8a\xd6\x98\x41",
    "\x8b\x97\x97\xa3\x81\x45\x8a\x70\x93\x78",
};

#endif
