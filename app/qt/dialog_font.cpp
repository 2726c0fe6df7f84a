// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/dialog_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "res/dialog_template.h"

namespace {

// IPAPGothic has the same proportional glyph widths as the dialog font, so the templates'
// layout fits it; its package defines no alias for the original name.
constexpr const char* kSubstituteFace = "IPAPGothic";

// Rounds value * numerator / denominator to the nearest integer, halves away from zero, as
// the dialog manager scales dialog units.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

QFont DialogFont() {
  const QString face = QString::fromUtf8(kDialogFontFace.data(), kDialogFontFace.size());
  if (!QFont::substitutes(face).contains(kSubstituteFace))
    QFont::insertSubstitution(face, kSubstituteFace);
  // Asking for a family that is not installed sends Qt through every fallback font of every
  // script before the substitute is tried, which costs more than the rest of the start-up,
  // so the family at hand is named directly.
  QString family = face;
  if (!QFontDatabase::hasFamily(face)) {
    const QStringList substitutes = QFont::substitutes(face);
    const auto found =
        std::find_if(substitutes.begin(), substitutes.end(),
                     [](const QString& name) { return QFontDatabase::hasFamily(name); });
    family = found != substitutes.end() ? *found : QString();
  }
  QFont font(family, kDialogFontPointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

DialogUnits DialogUnits::Of(const QFont& font) {
  const QFontMetrics metrics(font);
  // The average width of the 52 Latin letters, rounded to the nearest pixel: twice the
  // average, plus one, halved.
  const int twiceAverage =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26;
  return {(twiceAverage + 1) / 2, metrics.height()};
}

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, baseX, 4); }
int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, baseY, 8); }
