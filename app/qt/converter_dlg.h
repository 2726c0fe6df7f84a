// The main window: a tab control over the program's pages, one tab per page.
//
// It creates the pages, shows the first and hides the others, and on a change of tab shows
// the selected page. Enter changes nothing and closes nothing; the close box and Escape
// outside a page end the modal run. The About box's entry sits in a context menu, opened by
// a right-click outside the edit fields, since X11 and Wayland offer no way to extend the
// window's own menu. It holds no field texts: the pages do.
#ifndef MENSORATOR_APP_QT_CONVERTER_DLG_H
#define MENSORATOR_APP_QT_CONVERTER_DLG_H

#include <QAction>
#include <QDialog>
#include <QIcon>
#include <QTabWidget>
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
  CPageWidget* PageWidget(int index) const { return m_pageWidgets.at(index); }
  int PageCount() const { return static_cast<int>(m_pageWidgets.size()); }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void OnInitDialog();
  void OnSelchangeTab(int index);
  void OnOK() {}
  void OnAboutBox();

  ConverterPages m_pages;
  // The tab widget holds the page widgets, which observe the pages: declared after the pages,
  // it takes them with it before the pages end.
  std::unique_ptr<QTabWidget> m_tab;
  QIcon m_hIcon;
  QAction* m_aboutBox = nullptr;
  std::vector<CPageWidget*> m_pageWidgets;
};

#endif
