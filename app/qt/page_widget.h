// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// One page of the main window: the widgets of a page's view, bound to the page.
//
// The page (the core) owns every field text and runs the cascade; this widget only mirrors
// it. Focus entering an edit field delivers EN_SETFOCUS, each user edit (a key, a paste, an
// undo) hands the field's new text to the page, and every text the page writes is shown in
// its widget. Enter inside the page goes to the page's OnOK; Escape says the page's Cancel
// arrived, for the window to decide what it does. It decides nothing about which handler runs.
#ifndef MENSORATOR_APP_QT_PAGE_WIDGET_H
#define MENSORATOR_APP_QT_PAGE_WIDGET_H

#include <QLineEdit>
#include <QWidget>

#include "app/qt/template_widgets.h"
#include "fields/field_page.h"

class CPageWidget final : public QWidget, private FieldObserver {
  Q_OBJECT

 public:
  CPageWidget(CFieldPage& page, const DialogView& view, QWidget* parent = nullptr);
  ~CPageWidget() override;

  CFieldPage& Page() const { return m_page; }
  // Puts the focus in the first field of the tab order, its text selected as Tab selects it.
  void FocusFirstField();

 signals:
  // Escape was pressed in the page.
  void Cancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFieldWritten(int controlId, std::string_view text) override;

  CFieldPage& m_page;
  TemplateWidgets m_widgets;
};

#endif
