// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Decoding of code-page-932 (Japanese Shift JIS, Windows variant) texts into Qt strings.
//
// The tab texts are held in that code page. They are decoded explicitly with the C library's
// converter, never through the process locale, whose encoding may be anything. It encodes
// nothing.
#ifndef MENSORATOR_APP_QT_CP932_H
#define MENSORATOR_APP_QT_CP932_H

#include <QString>
#include <string_view>

// The text decoded; an empty string if the converter is missing or the bytes are invalid.
QString DecodeCp932(std::string_view bytes);

#endif
