// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The application: starts the main window, runs it modally and ends when it closes. It holds
// nothing of its own but the window's language and Qt's translations into it.
#ifndef MENSORATOR_APP_QT_CONVERTER_APP_H
#define MENSORATOR_APP_QT_CONVERTER_APP_H

#include <QApplication>
#include <QTranslator>
#include <string_view>

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
