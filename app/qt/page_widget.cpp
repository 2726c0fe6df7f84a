// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/page_widget.h"

#include <QKeyEvent>
#include <string>

CPageWidget::CPageWidget(CFieldPage& page, const QFont& font, QWidget* parent)
    : QWidget(parent), m_page(page), m_widgets(BuildTemplateWidgets(page.Template(), *this, font)) {
  for (std::size_t i = 0; i < m_widgets.widgets.size(); ++i) {
    auto* edit = qobject_cast<QLineEdit*>(m_widgets.widgets[i]);
    if (edit == nullptr) continue;
    const int id = page.Template().controls[i].id;
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

void CPageWidget::ShowFieldTexts() {
  for (const ControlTemplate& control : m_page.Template().controls)
    if (m_page.HasField(control.id)) OnFieldWritten(control.id, m_page.FieldText(control.id));
}

void CPageWidget::FocusFirstField() {
  for (QWidget* widget : m_widgets.widgets)
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      edit->setFocus(Qt::TabFocusReason);
      edit->selectAll();  // the focus may have been there already, moved by the tab control
      return;
    }
}

void CPageWidget::OnFieldWritten(int controlId, std::string_view text) {
  QLineEdit* edit = Edit(controlId);
  const QString shown = ToQString(text);
  if (edit == nullptr || edit->text() == shown) return;
  edit->setText(shown);
  // The field being typed in keeps the caret at the end, where typing goes on; any other
  // field shows its text from the start, as a long number would otherwise lose its leading
  // digits.
  if (!edit->hasFocus()) edit->setCursorPosition(0);
}

bool CPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    for (std::size_t i = 0; i < m_widgets.widgets.size(); ++i)
      if (m_widgets.widgets[i] == watched) m_page.OnFieldFocused(m_page.Template().controls[i].id);
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
      // The page's Cancel: it hides until its tab is selected again.
      hide();
      emit Cancelled();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}
