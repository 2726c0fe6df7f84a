// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// One page of the main window: the widgets of a page's template, bound to the page.
//
// The page (the core) owns every field text and runs the cascade; this widget only mirrors
// it. Focus entering an edit field delivers EN_SETFOCUS, each user edit (a key, a paste, an
// undo) hands the field's new text to the page, and every text the page writes is shown in
// its widget. Enter inside the page goes to the page's OnOK; Escape hides the page until its
// tab is selected again and says so, so that the window can take the focus out of it. It
// decides nothing about which handler runs.
#ifndef MENSORATOR_APP_QT_PAGE_WIDGET_H
#define MENSORATOR_APP_QT_PAGE_WIDGET_H

#include <QLineEdit>
#include <QWidget>

#include "app/qt/template_widgets.h"
#include "fields/field_page.h"

class CPageWidget final : public QWidget, private FieldObserver {
  Q_OBJECT

 public:
  // Lays the page out for `font`, the dialog font it is shown in.
  CPageWidget(CFieldPage& page, const QFont& font, QWidget* parent = nullptr);
  ~CPageWidget() override;

  CFieldPage& Page() const { return m_page; }
  // The width the page needs, dialog units: its template's, or more for a long label.
  int NeededWidth() const { return m_widgets.cx; }
  // Shows every field's current text; the page's writes arrive by themselves afterwards.
  void ShowFieldTexts();
  // Puts the focus in the first field of the tab order, its text selected as Tab selects it.
  void FocusFirstField();

 signals:
  // Escape hid the page; the focus is still in one of its hidden fields.
  void Cancelled();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnFieldWritten(int controlId, std::string_view text) override;
  QLineEdit* Edit(int controlId) const { return m_widgets.Find<QLineEdit>(controlId); }

  CFieldPage& m_page;
  TemplateWidgets m_widgets;
};

#endif
