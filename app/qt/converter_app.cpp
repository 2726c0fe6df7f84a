// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/converter_app.h"

#include <QLibraryInfo>
#include <QLocale>
#include <string>
#include <vector>

#include "app/qt/converter_dlg.h"
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

CConverterApp::CConverterApp(int& argc, char** argv)
    : QApplication(argc, argv), m_language(InstallLanguage(m_qtTranslator)) {
  // Lets the desktop match the window to its launcher and icon.
  setDesktopFileName(QStringLiteral("org.mensorator.Mensorator"));
  setWindowIcon(MainFrameIcon());
}

bool CConverterApp::InitInstance() {
  CConverterDlg dialog(m_language);
  dialog.exec();
  return false;
}
