// One page of the main window: the widgets of a page's template, bound to the page.
//
// The page (the core) owns every field text and runs the cascade; this widget only mirrors
// it. Focus entering an edit field delivers EN_SETFOCUS, each user edit (a key, a paste, an
// undo) hands the field's new text to the page, and every text the page writes is shown in
// its widget. Enter inside the page goes to the page's OnOK; Escape hides the page until its
// tab is selected again. It decides nothing about which handler runs.
#ifndef MENSORATOR_APP_QT_PAGE_WIDGET_H
#define MENSORATOR_APP_QT_PAGE_WIDGET_H

#include <QLineEdit>
#include <QWidget>

#include "app/qt/template_widgets.h"
#include "fields/field_page.h"

class CPageWidget final : public QWidget, private FieldObserver {
  Q_OBJECT

 public:
  CPageWidget(CFieldPage& page, const DialogUnits& units, QWidget* parent = nullptr);
  ~CPageWidget() override;

  CFieldPage& Page() const { return m_page; }
  // Shows every field's current text; the page's writes arrive by themselves afterwards.
  void ShowFieldTexts();

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
