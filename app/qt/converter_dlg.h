// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The main window: a tab control over the program's pages, one tab per page.
//
// It creates the pages, shows the first and hides the others, and on a change of tab shows
// the selected page. Ctrl+Tab and Ctrl+PageDown select the next page, Ctrl+Shift+Tab and
// Ctrl+PageUp the previous one, from anywhere in the window, as a click on its tab does, and
// put the focus in its first field. Enter changes nothing and closes nothing. Escape in a
// page hides it and moves the focus to the tab strip, so that no key reaches a field the user
// cannot see; Escape outside a page, and the close box, end the modal run. F1 opens the About
// box, whose entry also ends every edit field's context menu and is the whole of the menu
// that a right-click outside the fields opens, since X11 and Wayland offer no way to extend
// the window's own menu. It holds no field texts: the pages do.
#ifndef MENSORATOR_APP_QT_CONVERTER_DLG_H
#define MENSORATOR_APP_QT_CONVERTER_DLG_H

#include <QAction>
#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <initializer_list>
#include <memory>
#include <vector>

#include "app/qt/page_widget.h"
#include "pages/converter_pages.h"

class CConverterDlg final : public QDialog {
  Q_OBJECT

 public:
  explicit CConverterDlg(QWidget* parent = nullptr);

  // Enter never closes the window.
  void accept() override { OnOK(); }
  // The About entry of the window's menu; null if its text is empty.
  QAction* AboutBoxAction() const { return m_aboutBox; }
  QTabWidget* Tab() const { return m_tab.get(); }
  // Shows page `index` as a click on its tab does, and puts the focus in its first field.
  void SelectPage(int index);
  CPageWidget* PageWidget(int index) const { return m_pageWidgets.at(index); }
  int PageCount() const { return static_cast<int>(m_pageWidgets.size()); }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnInitDialog();
  // Widens the tab control and the window by what the widest page needs beyond its template.
  void MakeRoomForPages();
  void OnSelchangeTab(int index);
  void OnOK() {}
  void OnAboutBox();
  void AddPageStep(int step, std::initializer_list<QKeySequence> keys);
  void ShowEditMenu(QLineEdit* edit, const QPoint& pos);
  void ExecMenu(QMenu& menu, const QPoint& globalPos);

  ConverterPages m_pages;
  // The tab widget holds the page widgets, which observe the pages: declared after the pages,
  // it takes them with it before the pages end.
  std::unique_ptr<QTabWidget> m_tab;
  QIcon m_hIcon;
  QAction* m_aboutBox = nullptr;
  std::vector<CPageWidget*> m_pageWidgets;
};

#endif
