// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The About box, rendered from its view: the icon, the version and the credit, and an OK button.
// OK, Escape and the close box all close it. It does nothing else.
#ifndef MENSORATOR_APP_QT_ABOUT_DLG_H
#define MENSORATOR_APP_QT_ABOUT_DLG_H

#include <QDialog>

#include "app/window/window_view.h"

class CAboutDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(const DialogView& view, QWidget* parent = nullptr);
};

#endif
