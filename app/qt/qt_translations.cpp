// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <string>
#include <vector>

#include "app/qt/template_widgets.h"
#include "app/window/language.h"

std::string_view InstallLanguage(QTranslator& translator) {
  std::vector<std::string> preferred;
  for (const QString& tag : QLocale::system().uiLanguages()) preferred.push_back(tag.toStdString());
  const std::string_view language = ChooseLanguage(preferred);
  // qtbase holds the widgets' texts; Qt's other modules are not used.
  if (translator.load(QLocale(ToQString(language)), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&translator);
  return language;
}
