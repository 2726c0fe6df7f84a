#include "app/qt/converter_dlg.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <iterator>

#include "app/qt/about_dlg.h"
#include "app/qt/cp932.h"
#include "res/resource.h"
#include "res/strings.h"

CConverterDlg::CConverterDlg(QWidget* parent) : QDialog(parent), m_hIcon(MainFrameIcon()) {
  const TemplateWidgets widgets = BuildDialogWindow(kMainDialogTemplate, *this);
  m_tab.reset(widgets.Find<QTabWidget>(IDC_TAB));
  OnInitDialog();
}

void CConverterDlg::OnInitDialog() {
  if (!kAboutBoxMenuText.empty()) {
    m_aboutBox = new QAction(ToQString(kAboutBoxMenuText), this);
    connect(m_aboutBox, &QAction::triggered, this, &CConverterDlg::OnAboutBox);
  }
  setWindowIcon(m_hIcon);

  // The widgets listen before the pages start, so the start-up's writes reach them as they
  // happen; afterwards every field is shown once more, the ones no write touched included.
  const DialogUnits units = DialogUnits::Of(font());
  for (CFieldPage* page : m_pages.All()) {
    auto* widget = new CPageWidget(*page, units);
    const auto index = m_pageWidgets.size();
    const QString text =
        index < std::size(kTabTextsCp932) ? DecodeCp932(kTabTextsCp932[index]) : QString();
    m_tab->addTab(widget, text);
    m_pageWidgets.push_back(widget);
  }
  m_pages.Create();
  for (CPageWidget* widget : m_pageWidgets) widget->ShowFieldTexts();

  m_tab->setCurrentIndex(0);
  OnSelchangeTab(0);
  connect(Tab(), &QTabWidget::currentChanged, this, &CConverterDlg::OnSelchangeTab);
}

void CConverterDlg::OnSelchangeTab(int index) {
  if (index < 0 || index >= PageCount()) return;
  // The tab widget shows the selected page itself; showing it here as well brings back a
  // page that Escape hid, even if its tab was already the current one.
  for (int i = 0; i < PageCount(); ++i) m_pageWidgets[i]->setVisible(i == index);
}

void CConverterDlg::OnAboutBox() {
  CAboutDlg about(this);
  about.exec();
}

void CConverterDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (m_aboutBox == nullptr) return;
  QMenu menu(this);
  menu.setFont(font());
  menu.addAction(m_aboutBox);
  menu.exec(event->globalPos());
}
