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

// The context menu of an edit field, for a front end that shows its own rather than the
// toolkit's: the standard editing entries, in menu order (undo, cut, copy, paste, delete,
// select all), then the two submenus of notations/field_notations.h. "&" marks access keys.
inline constexpr std::string_view kEditMenuTexts[] = {
    "元に戻す(&U)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "削除(&D)", "すべて選択(&A)",
};
inline constexpr std::string_view kCopyAsMenuText = "表記を選んでコピー(&O)";
inline constexpr std::string_view kPasteAsMenuText = "表記を選んで貼り付け(&S)";

#endif
