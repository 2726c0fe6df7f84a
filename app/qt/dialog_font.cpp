#include "app/qt/dialog_font.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

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
  QFont font(face, kDialogFontPointSize);
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
