// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/about_dlg.h"

#include <QPushButton>

#include "app/qt/template_widgets.h"
#include "res/resource.h"

CAboutDlg::CAboutDlg(const DialogView& view, QWidget* parent) : QDialog(parent) {
  const TemplateWidgets widgets = BuildDialogWindow(view, *this);
  if (auto* ok = widgets.Find<QPushButton>(IDOK))
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
