// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's texts that are not part of a dialog template, UTF-8.
#ifndef MENSORATOR_RES_STRINGS_H
#define MENSORATOR_RES_STRINGS_H

#include <string_view>

#include "res/dialogs.h"

// IDS_ABOUTBOX, the window menu's entry for the About box; "&" marks the access key.
inline constexpr std::string_view kAboutBoxMenuText = ABOUTBOX_MENU_TEXT;

// The About box's version line, which no translation changes.
inline constexpr std::string_view kVersionText = MENSORATOR_VERSION_TEXT;

// The line shown where a page was after Escape hid it: how to show it again.
inline constexpr std::string_view kHiddenPageHint =
    "Esc でページを隠しました。タブをクリックするか Enter を押すと再び表示します。";

// The tab texts, one per page in tab order.
inline constexpr std::string_view kTabTexts[] = {
    "基数変換・角度単位関連",
    "距離・角度",
};

#endif
