// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

bool InstallQtTranslations(QTranslator& translator, const QLocale& language) {
  // qtbase holds the widgets' texts; Qt's other modules are not used.
  if (!translator.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return QCoreApplication::installTranslator(&translator);
}
