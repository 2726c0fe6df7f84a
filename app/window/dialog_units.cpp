// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/dialog_units.h"

namespace {

constexpr int kSampleLetters = static_cast<int>(kAverageWidthSample.size());

// value * numerator / denominator, rounded to the nearest integer, halves away from zero.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

DialogUnits DialogUnits::Measured(int sampleWidth, int height) {
  // Twice the average width, truncated, plus one, halved: the average rounded to the pixel.
  const int twiceAverage = sampleWidth / (kSampleLetters / 2);
  return {(twiceAverage + 1) / 2, height};
}

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, baseX, 4); }
int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, baseY, 8); }

PixelRect DialogUnits::ToPixels(const DialogRect& rect) const {
  return {ToPixelsX(rect.x), ToPixelsY(rect.y), ToPixelsX(rect.cx), ToPixelsY(rect.cy)};
}

int DialogUnits::ToUnitsX(int pixels) const {
  if (pixels <= 0 || baseX <= 0) return 0;
  return (pixels * 4 + baseX - 1) / baseX;
}
