// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/converter_app.h"

#include "app/qt/converter_dlg.h"
#include "app/qt/qt_translations.h"
#include "app/qt/template_widgets.h"
#include "app/qt/translation.h"

CConverterApp::CConverterApp(int& argc, char** argv) : QApplication(argc, argv) {
  // Lets the desktop match the window to its launcher and icon.
  setDesktopFileName(QStringLiteral("org.mensorator.Mensorator"));
  setWindowIcon(MainFrameIcon());
  // The program's texts, and Qt's own, in the user's language.
  InstallQtTranslations(m_qtTranslator, QLocale(ToQString(InstallTranslation(*this))));
}

bool CConverterApp::InitInstance() {
  CConverterDlg dialog;
  dialog.exec();
  return false;
}
