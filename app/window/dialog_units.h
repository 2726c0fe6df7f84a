// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Dialog units and pixels for one font, as the dialog manager converts them.
//
// A horizontal dialog unit is a quarter of the font's average character width, a vertical one
// an eighth of its height. A front end measures its dialog font once (the width of
// kAverageWidthSample and the line height, in pixels) and converts every place of a template
// with the result. It measures nothing itself and draws nothing.
//
// Example: a font whose 52 sample letters are 364 px wide and whose height is 13 px has
// baseX 7 and baseY 13, so the template's 214 × 175 units become 375 × 284 px.
#ifndef MENSORATOR_APP_WINDOW_DIALOG_UNITS_H
#define MENSORATOR_APP_WINDOW_DIALOG_UNITS_H

#include <string_view>

// The text whose width gives a font's average character width: the 52 Latin letters.
inline constexpr std::string_view kAverageWidthSample =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// A rectangle in pixels.
struct PixelRect {
  int x, y, cx, cy;

  bool operator==(const PixelRect&) const = default;
};

// A rectangle in dialog units.
struct DialogRect {
  int x, y, cx, cy;

  bool operator==(const DialogRect&) const = default;
};

struct DialogUnits {
  int baseX;  // pixels per 4 horizontal units: the font's average character width
  int baseY;  // pixels per 8 vertical units: the font's height

  // The units of a font whose kAverageWidthSample is `sampleWidth` pixels wide and whose
  // lines are `height` pixels high. The average width is rounded to the nearest pixel.
  static DialogUnits Measured(int sampleWidth, int height);

  // Units to pixels, rounded to the nearest pixel, halves away from zero.
  int ToPixelsX(int units) const;
  int ToPixelsY(int units) const;
  PixelRect ToPixels(const DialogRect& rect) const;
  // Pixels to the horizontal units that cover them, rounded up: the width a text needs.
  int ToUnitsX(int pixels) const;
};

#endif
