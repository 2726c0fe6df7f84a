// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The dialog font and the dialog units measured from it.
//
// Every window of the program uses one font, 9-point "ＭＳ Ｐゴシック". Where it is missing the
// metric-compatible IPAPGothic stands in, then the system's default. Positions in the dialog
// templates are in dialog units; DialogUnits turns them into pixels from the font's real
// metrics, so that the layout grows with the font and the screen's resolution. It places no
// widgets itself.
#ifndef MENSORATOR_APP_QT_DIALOG_FONT_H
#define MENSORATOR_APP_QT_DIALOG_FONT_H

#include <QFont>
#include <QRect>
#include <QSize>

// The dialog font, with its substitutes registered.
QFont DialogFont();

struct DialogUnits {
  int baseX;  // pixels per 4 horizontal units: the font's average character width
  int baseY;  // pixels per 8 vertical units: the font's height

  static DialogUnits Of(const QFont& font);
  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  QSize ToPixels(int cx, int cy) const { return {ToPixelsX(cx), ToPixelsY(cy)}; }
  QRect ToPixels(int x, int y, int cx, int cy) const {
    return {QPoint(ToPixelsX(x), ToPixelsY(y)), ToPixels(cx, cy)};
  }
};

#endif
