// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The application: starts the main window, runs it modally and ends when it closes. It holds
// nothing of its own but Qt's translations into the window's language.
#ifndef MENSORATOR_APP_QT_CONVERTER_APP_H
#define MENSORATOR_APP_QT_CONVERTER_APP_H

#include <QApplication>
#include <QTranslator>

class CConverterApp final : public QApplication {
  Q_OBJECT

 public:
  CConverterApp(int& argc, char** argv);

  // Runs the main window until it closes. Returns false: there is no message loop after it.
  bool InitInstance();

 private:
  QTranslator m_qtTranslator;
};

#endif
