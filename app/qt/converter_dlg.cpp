// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/converter_dlg.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTabBar>
#include <algorithm>
#include <memory>

#include "app/qt/about_dlg.h"
#include "app/qt/cp932.h"
#include "app/qt/translation.h"
#include "res/resource.h"
#include "res/strings.h"

CConverterDlg::CConverterDlg(QWidget* parent) : QDialog(parent), m_hIcon(MainFrameIcon()) {
  const TemplateWidgets widgets = BuildDialogWindow(kMainDialogTemplate, *this);
  m_tab.reset(widgets.Find<QTabWidget>(IDC_TAB));
  OnInitDialog();
}

void CConverterDlg::OnInitDialog() {
  if (!kAboutBoxMenuText.empty()) {
    m_aboutBox = new QAction(Tr(kAboutBoxMenuText), this);
    m_aboutBox->setShortcut(QKeySequence::HelpContents);
    addAction(m_aboutBox);
    connect(m_aboutBox, &QAction::triggered, this, &CConverterDlg::OnAboutBox);
  }
  // Qt reports Ctrl+Shift+Tab as Backtab, or on X11 as Tab with Shift held.
  AddPageStep(+1, {Qt::CTRL | Qt::Key_Tab, Qt::CTRL | Qt::Key_PageDown});
  AddPageStep(-1, {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Tab,
                   Qt::CTRL | Qt::Key_PageUp});
  setWindowIcon(m_hIcon);

  // The widgets listen before the pages start, so the start-up's writes reach them as they
  // happen; afterwards every field is shown once more, the ones no write touched included.
  for (CFieldPage* page : m_pages.All()) {
    auto* widget = new CPageWidget(*page, font());
    // One tab text per page, checked where the pages are declared.
    m_tab->addTab(widget, Tr(DecodeCp932(kTabTextsCp932[m_pageWidgets.size()])));
    m_pageWidgets.push_back(widget);
    connect(widget, &CPageWidget::Cancelled, this,
            [this] { m_tab->tabBar()->setFocus(Qt::OtherFocusReason); });
    if (m_aboutBox == nullptr) continue;
    for (QLineEdit* edit : widget->findChildren<QLineEdit*>()) {
      edit->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(edit, &QWidget::customContextMenuRequested, this,
              [this, edit](const QPoint& pos) { ShowEditMenu(edit, pos); });
    }
  }
  m_pages.Create();
  for (CPageWidget* widget : m_pageWidgets) widget->ShowFieldTexts();
  MakeRoomForPages();

  m_tab->setCurrentIndex(0);
  OnSelchangeTab(0);
  connect(Tab(), &QTabWidget::currentChanged, this, &CConverterDlg::OnSelchangeTab);
}

void CConverterDlg::MakeRoomForPages() {
  int wider = 0;
  for (CPageWidget* widget : m_pageWidgets)
    wider = std::max(wider, widget->NeededWidth() - widget->Page().Template().cx);
  if (wider == 0) return;
  const DialogUnits units = DialogUnits::Of(font());
  for (const ControlTemplate& control : kMainDialogTemplate.controls)
    if (control.id == IDC_TAB)
      m_tab->setGeometry(units.ToPixels(control.x, control.y, control.cx + wider, control.cy));
  setFixedSize(units.ToPixels(kMainDialogTemplate.cx + wider, kMainDialogTemplate.cy));
}

void CConverterDlg::OnSelchangeTab(int index) {
  if (index < 0 || index >= PageCount()) return;
  // The tab widget shows the selected page itself; showing it here as well brings back a
  // page that Escape hid, even if its tab was already the current one.
  for (int i = 0; i < PageCount(); ++i) m_pageWidgets[i]->setVisible(i == index);
}

void CConverterDlg::SelectPage(int index) {
  if (index < 0 || index >= PageCount()) return;
  m_tab->setCurrentIndex(index);
  OnSelchangeTab(index);  // again: the tab may have been the current one, its page hidden
  m_pageWidgets[index]->FocusFirstField();
}

void CConverterDlg::AddPageStep(int step, std::initializer_list<QKeySequence> keys) {
  auto* action = new QAction(this);
  action->setShortcuts(QList<QKeySequence>(keys));
  addAction(action);
  connect(action, &QAction::triggered, this,
          [this, step] { SelectPage((m_tab->currentIndex() + step + PageCount()) % PageCount()); });
}

void CConverterDlg::OnAboutBox() {
  CAboutDlg about(this);
  about.exec();
}

void CConverterDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (m_aboutBox == nullptr) return;
  QMenu menu(this);
  menu.addAction(m_aboutBox);
  ExecMenu(menu, event->globalPos());
}

void CConverterDlg::ShowEditMenu(QLineEdit* edit, const QPoint& pos) {
  const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
  menu->addSeparator();
  menu->addAction(m_aboutBox);
  ExecMenu(*menu, edit->mapToGlobal(pos));
}

// A menu is a window of its own, which does not inherit the dialog font.
void CConverterDlg::ExecMenu(QMenu& menu, const QPoint& globalPos) {
  menu.setFont(font());
  menu.exec(globalPos);
}
