// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The application: starts the main window in the user's language, runs it modally and ends
// when it closes. It holds nothing of its own but that language and Qt's translations into it.
#ifndef MENSORATOR_APP_QT_CONVERTER_APP_H
#define MENSORATOR_APP_QT_CONVERTER_APP_H

#include <QApplication>
#include <QTranslator>
#include <string_view>

// Chooses the window's language from the system's UI languages (the window model decides)
// and installs into the running application, through `translator`, Qt's own texts in it: the
// edit fields' context menu and the like, from the translations installed with Qt (Debian's
// qt6-translations-l10n). Where Qt ships none, `translator` stays empty and Qt's English
// texts stay in place.
std::string_view InstallLanguage(QTranslator& translator);

class CConverterApp final : public QApplication {
  Q_OBJECT

 public:
  CConverterApp(int& argc, char** argv);

  // Runs the main window until it closes. Returns false: there is no message loop after it.
  bool InitInstance();

 private:
  QTranslator m_qtTranslator;
  std::string_view m_language;
};

#endif
