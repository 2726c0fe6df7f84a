// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/page_widget.h"

#include <QKeyEvent>

#include "app/window/window_behaviour.h"

CPageWidget::CPageWidget(CFieldPage& page, const DialogView& view, QWidget* parent)
    : QWidget(parent), m_page(page), m_widgets(BuildTemplateWidgets(view, *this)) {
  for (std::size_t i = 0; i < m_widgets.widgets.size(); ++i) {
    auto* edit = qobject_cast<QLineEdit*>(m_widgets.widgets[i]);
    if (edit == nullptr) continue;
    const int id = view.controls[i].id;
    edit->installEventFilter(this);
    // textEdited, never textChanged: only the user's own edits go to the page. A text the
    // page writes is shown by OnFieldWritten and must not come back as an edit.
    connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
      m_page.OnFieldEdited(id, text.toUtf8().toStdString());
    });
  }
  m_page.SetObserver(this);
}

CPageWidget::~CPageWidget() { m_page.SetObserver(nullptr); }

void CPageWidget::FocusFirstField() {
  for (QWidget* widget : m_widgets.widgets)
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setFocus(Qt::TabFocusReason);
      edit->selectAll();  // the focus may have been there already, moved by the tab control
      return;
    }
}

void CPageWidget::OnFieldWritten(int controlId, std::string_view text) {
  auto* edit = m_widgets.Find<QLineEdit>(controlId);
  const QString shown = ToQString(text);
  if (edit == nullptr || edit->text() == shown) return;
  edit->setText(shown);
  edit->setCursorPosition(CaretAfterRewrite(edit->hasFocus(), static_cast<int>(shown.size())));
}

bool CPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (std::size_t i = 0; i < m_widgets.widgets.size(); ++i)
      if (m_widgets.widgets[i] == watched) m_page.OnFieldFocused(m_widgets.view->controls[i].id);
  }
  return QWidget::eventFilter(watched, event);
}

void CPageWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      m_page.OnOK();
      break;
    case Qt::Key_Escape:
      emit Cancelled();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}
