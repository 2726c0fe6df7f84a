// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The dialog font, and the window model laid out in it.
//
// Every window of the program uses one font, 9-point "ＭＳ Ｐゴシック". Where it is missing the
// metric-compatible IPAPGothic stands in, then the system's default. DescribeWindowInFont
// measures the font (its average character width and height, and each label's text) for the
// window model, which turns every place of the templates into pixels. It places no widgets.
#ifndef MENSORATOR_APP_QT_DIALOG_FONT_H
#define MENSORATOR_APP_QT_DIALOG_FONT_H

#include <QFont>
#include <string_view>

#include "app/window/window_view.h"

// The dialog font, with its substitutes registered.
QFont DialogFont();

// The program's windows in `language`, laid out for `font`.
WindowView DescribeWindowInFont(ConverterPages& pages, std::string_view language,
                                const QFont& font);

#endif
