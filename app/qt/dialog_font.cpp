// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/dialog_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "app/qt/template_widgets.h"
#include "res/dialog_template.h"

namespace {

// IPAPGothic has the same proportional glyph widths as the dialog font, so the templates'
// layout fits it; its package defines no alias for the original name.
constexpr const char* kSubstituteFace = "IPAPGothic";

}  // namespace

QFont DialogFont() {
  const QString face = ToQString(kDialogFontFace);
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

WindowView DescribeWindowInFont(ConverterPages& pages, std::string_view language,
                                const QFont& font) {
  const QFontMetrics metrics(font);
  const DialogUnits units = DialogUnits::Measured(
      metrics.horizontalAdvance(ToQString(kAverageWidthSample)), metrics.height());
  // A label shows its text as it is, "&" included, as its plain text format draws it.
  return DescribeWindow(pages, language, units, [&](std::string_view text, ControlKind) {
    return metrics.size(0, ToQString(text)).width();
  });
}
