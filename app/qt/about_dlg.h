// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The About box: the icon, the version and the credit, and an OK button. OK, Escape and the
// close box all close it. It does nothing else.
#ifndef MENSORATOR_APP_QT_ABOUT_DLG_H
#define MENSORATOR_APP_QT_ABOUT_DLG_H

#include <QDialog>

class CAboutDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

#endif
