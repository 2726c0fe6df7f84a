// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/converter_dlg.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTabBar>

#include "app/qt/about_dlg.h"
#include "app/qt/field_menu.h"
#include "res/resource.h"

namespace {

// The Qt key of each Key, in the order of Key.
constexpr Qt::Key kQtKeys[] = {Qt::Key_F1, Qt::Key_Tab, Qt::Key_PageDown, Qt::Key_PageUp};

// The key sequences Qt reports for `binding`.
QList<QKeySequence> Sequences(const KeyBinding& binding) {
  Qt::KeyboardModifiers modifiers;
  if (binding.modifiers & kCtrl) modifiers |= Qt::ControlModifier;
  if (binding.modifiers & kShift) modifiers |= Qt::ShiftModifier;
  if (binding.modifiers & kAlt) modifiers |= Qt::AltModifier;
  QList<QKeySequence> keys{QKeyCombination(modifiers, kQtKeys[int(binding.key)])};
  // Qt reports Shift+Tab as Backtab, or on X11 as Tab with Shift held.
  if (binding.key == Key::Tab && (binding.modifiers & kShift))
    keys << QKeyCombination(modifiers, Qt::Key_Backtab);
  return keys;
}

}  // namespace

CConverterDlg::CConverterDlg(std::string_view language, QWidget* parent)
    : QDialog(parent), m_view(DescribeWindowInFont(m_pages, language, DialogFont())) {
  const TemplateWidgets widgets = BuildDialogWindow(m_view.main, *this);
  m_tab.reset(widgets.Find<QTabWidget>(IDC_TAB));
  setWindowIcon(MainFrameIcon());
  AddWindowKeys();

  // The widgets listen before the pages start, so the start-up's writes reach them.
  for (CFieldPage* page : m_pages.All()) {
    const DialogView& pageView = m_view.pages[m_pageWidgets.size()];
    auto* widget = new CPageWidget(*page, pageView);
    m_tab->addTab(widget, ToQString(m_view.tabs[m_pageWidgets.size()]));
    m_pageWidgets.push_back(widget);
    connect(widget, &CPageWidget::Cancelled, this,
            [this] { Carry(m_behaviour.OnCommand(WindowCommand::Cancel, true)); });
    for (const ControlView& control : pageView.controls) {
      if (control.kind != ControlKind::Edit) continue;
      auto* edit = widget->findChild<QLineEdit*>(ToQString(control.objectName));
      edit->setContextMenuPolicy(Qt::CustomContextMenu);
      connect(edit, &QWidget::customContextMenuRequested, this,
              [this, edit, id = control.id](const QPoint& pos) {
                const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
                menu->addSeparator();
                AddNotationMenus(*menu, *edit, id, m_view.language);
                ExecMenu(*menu, edit->mapToGlobal(pos));
              });
    }
  }
  m_pages.Create();
  Carry({.pagesChanged = true});
  connect(Tab(), &QTabWidget::currentChanged, this,
          [this](int index) { Carry(m_behaviour.OnTabSelected(static_cast<std::size_t>(index))); });
}

void CConverterDlg::AddWindowKeys() {
  for (const KeyBinding& binding : kWindowKeys) {
    QAction*& action = m_actions[int(binding.command)];
    if (action == nullptr) {
      action = new QAction(this);
      addAction(action);
      connect(action, &QAction::triggered, this,
              [this, command = binding.command] { Carry(m_behaviour.OnCommand(command, false)); });
    }
    action->setShortcuts(action->shortcuts() + Sequences(binding));
  }
  AboutBoxAction()->setText(ToQString(m_view.aboutEntry));
}

void CConverterDlg::Carry(const WindowReaction& reaction) {
  if (reaction.pagesChanged) {
    // Selecting the tab shows its page; showing it here as well brings back a page that
    // Escape hid, even if its tab was already the current one.
    m_tab->setCurrentIndex(static_cast<int>(m_behaviour.SelectedPage()));
    for (std::size_t i = 0; i < m_pageWidgets.size(); ++i)
      m_pageWidgets[i]->setVisible(m_behaviour.PageVisible(i));
  }
  if (reaction.focus == FocusMove::FirstFieldOfSelectedPage)
    m_pageWidgets[m_behaviour.SelectedPage()]->FocusFirstField();
  else if (reaction.focus == FocusMove::TabStrip)
    m_tab->tabBar()->setFocus(Qt::OtherFocusReason);
  if (reaction.openAboutBox) {
    CAboutDlg about(m_view.about, this);
    about.exec();
  }
  if (reaction.end) QDialog::reject();
}

void CConverterDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (m_view.aboutEntry.empty()) return;
  QMenu menu(this);
  ExecMenu(menu, event->globalPos());
}

// The About entry ends every menu, after a separator in a field's menu. A menu is a window of
// its own, which does not inherit the dialog font; its submenus inherit the menu's.
void CConverterDlg::ExecMenu(QMenu& menu, const QPoint& globalPos) {
  if (!m_view.aboutEntry.empty()) {
    if (!menu.isEmpty()) menu.addSeparator();
    menu.addAction(AboutBoxAction());
  }
  menu.setFont(font());
  menu.exec(globalPos);
}
