// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/converter_app.h"

#include "app/qt/converter_dlg.h"
#include "app/qt/qt_translations.h"
#include "app/qt/template_widgets.h"

CConverterApp::CConverterApp(int& argc, char** argv) : QApplication(argc, argv) {
  // Lets the desktop match the window to its launcher and icon.
  setDesktopFileName(QStringLiteral("org.mensorator.Mensorator"));
  setWindowIcon(MainFrameIcon());
  // The window speaks the user's language, and Qt's own texts in it too.
  m_language = InstallLanguage(m_qtTranslator);
}

bool CConverterApp::InitInstance() {
  CConverterDlg dialog(m_language);
  dialog.exec();
  return false;
}
