// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/translation.h"

#include <QLocale>
#include <QTranslator>
#include <string>
#include <vector>

#include "res/translations.h"

std::string_view InstallTranslation(QCoreApplication& app) {
  std::vector<std::string> preferred;
  for (const QString& tag : QLocale::system().uiLanguages()) preferred.push_back(tag.toStdString());
  const std::string_view language = ChooseLanguage(preferred);
  if (language == kSourceLanguage) return language;
  auto* translator = new QTranslator(&app);
  if (translator->load(QStringLiteral(":/i18n/mensorator_%1.qm")
                           .arg(QString::fromLatin1(language.data(), language.size()))))
    QCoreApplication::installTranslator(translator);
  return language;
}

QString Tr(std::string_view source) {
  return QCoreApplication::translate(kTranslationContext, std::string(source).c_str());
}

QString Tr(const QString& source) {
  return QCoreApplication::translate(kTranslationContext, source.toUtf8().constData());
}
