// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The main window: a tab control over the program's pages, one tab per page, rendered from
// the window model in the language given.
//
// It creates the pages' widgets and carries out what the window's behaviour answers to the
// user's keys and clicks: the window's keys (kWindowKeys) from anywhere in the window, a
// change of tab, Escape in a page, and Escape outside the pages or the close box. Enter
// changes nothing and closes nothing. Every edit field's context menu is Qt's own with the
// field's "Copy as" and "Paste as" submenus and the About entry after it; the About entry is
// also the whole of the menu that a right-click outside the fields opens, since X11 and
// Wayland offer no way to extend the window's own menu. It holds no field texts: the
// pages do.
#ifndef MENSORATOR_APP_QT_CONVERTER_DLG_H
#define MENSORATOR_APP_QT_CONVERTER_DLG_H

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTabWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "app/qt/page_widget.h"
#include "app/window/window_behaviour.h"
#include "app/window/window_view.h"
#include "pages/converter_pages.h"

class CConverterDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CConverterDlg(std::string_view language, QWidget* parent = nullptr);

  // Enter never closes the window.
  void accept() override {}
  // Escape outside the pages, or the close box.
  void reject() override { Carry(m_behaviour.OnCommand(WindowCommand::Cancel, false)); }
  const WindowView& View() const { return m_view; }
  // The About entry of the window's menu; its text may be empty.
  QAction* AboutBoxAction() const { return m_actions[int(WindowCommand::AboutBox)]; }
  QTabWidget* Tab() const { return m_tab.get(); }
  CPageWidget* PageWidget(int index) const { return m_pageWidgets.at(index); }
  int PageCount() const { return static_cast<int>(m_pageWidgets.size()); }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void AddWindowKeys();
  void Carry(const WindowReaction& reaction);
  void ExecMenu(QMenu& menu, const QPoint& globalPos);

  ConverterPages m_pages;
  WindowView m_view;
  WindowBehaviour m_behaviour{ConverterPages::kCount};
  // One per window command, null for a command no key has.
  QAction* m_actions[int(WindowCommand::Cancel) + 1] = {};
  // The tab widget holds the page widgets, which observe the pages and render the view:
  // declared after both, it takes them with it before either ends.
  std::unique_ptr<QTabWidget> m_tab;
  std::vector<CPageWidget*> m_pageWidgets;
};

#endif
