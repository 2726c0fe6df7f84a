// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// End-to-end tests of the desktop window: real widgets, typed into with QTest, under the
// offscreen platform. Expected texts are worked out by hand from the conversions.
#include "app/qt/converter_dlg.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodQueryEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>

#include "app/qt/about_dlg.h"
#include "app/qt/converter_app.h"
#include "app/window/field_names.h"
#include "app/window/language.h"
#include "fields/active_field.h"
#include "res/dialog_template.h"
#include "res/strings.h"
#include "res/translations.h"

namespace {

// "FIELD=text" pairs: the edit field's object name without "IDC_", and its text.
struct FieldText {
  QString objectName;
  QString text;
};

FieldText ParsePair(const QString& pair) {
  const auto equals = pair.indexOf('=');
  return {"IDC_" + pair.left(equals), pair.mid(equals + 1)};
}

}  // namespace

class ConverterDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup() { m_dlg.reset(); }

  void startUpState();
  void startUpTexts_data();
  void startUpTexts();
  void typedRows_data();
  void typedRows();
  void focusChangesNothing();
  void tabSwitchKeepsTextsAndRegister();
  void enterChangesNothing();
  void escapeHidesPageUntilTabSwitch();
  void escapeOutsidePageAndCloseBoxEndTheRun();
  void escapeTakesTheFocusOutOfTheHiddenPage();
  void pageKeys_data();
  void pageKeys();
  void aboutBoxFromContextMenu_data();
  void aboutBoxFromContextMenu();
  void aboutBoxFromF1_data();
  void aboutBoxFromF1();
  void editMenusInTheLanguageEndWithAboutEntry();
  void copyAsAndPasteAsMenus();
  void numberFieldsIgnoreTheInputMethod();
  void accessibleNames();
  void shownTextsInTheLanguage();
  void dialogFontIsTheGothicAtHand();
  void geometryFollowsTemplates();
  void labelsShowTheirWholeText();
  void germanLocaleStillWritesPoints();
  void waylandWindowMapsAndConverts();

 private:
  QLineEdit* Field(const QString& objectName) const;
  void SelectTab(int index);
  void Type(const QString& objectName, const QString& text);
  void VerifyWidgetsMirrorPages() const;
  QStringList AllTexts() const;
  // The text shown in the language of the run.
  QString Shown(const char* japanese, const char* english) const {
    return m_language == kSourceLanguage ? japanese : english;
  }
  template <class T>
  QString ModalTextAfter(const std::function<void()>& open, QString (T::*text)() const);
  QString AboutBoxTitleAfter(const std::function<void()>& open) {
    return ModalTextAfter<CAboutDlg>(open, &QWidget::windowTitle);
  }
  void WithFieldMenu(QLineEdit* edit, const std::function<void(QMenu&)>& use);

  QTranslator m_qtTranslator;
  std::unique_ptr<CConverterDlg> m_dlg;
  std::string_view m_language;
};

// The program's start-up installs the translation for the environment's language: Japanese
// where it is Japanese or unset (the C locale), otherwise English, the one translation shipped.
void ConverterDlgTest::initTestCase() {
  m_language = InstallLanguage(m_qtTranslator);
  // Qt's own texts are English already: its English translation may hold nothing to load.
  QVERIFY(!m_qtTranslator.isEmpty() || m_language == kFallbackLanguage);
  const QString first = QLocale::system().uiLanguages().value(0);
  QCOMPARE(m_language, first == "C" || first.startsWith("ja") ? "ja" : "en");
}

void ConverterDlgTest::init() {
  m_dlg = std::make_unique<CConverterDlg>(m_language);
  m_dlg->show();
  m_dlg->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
}

QLineEdit* ConverterDlgTest::Field(const QString& objectName) const {
  auto* edit = m_dlg->findChild<QLineEdit*>(objectName);
  if (edit == nullptr) qWarning("no field %s", qPrintable(objectName));
  return edit;
}

void ConverterDlgTest::SelectTab(int index) {
  QTabBar* bar = m_dlg->Tab()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  QCOMPARE(m_dlg->Tab()->currentIndex(), index);
}

// Selects the field's tab, clicks into the field, selects its text and types over it.
void ConverterDlgTest::Type(const QString& objectName, const QString& text) {
  QLineEdit* edit = Field(objectName);
  QVERIFY(edit != nullptr);
  for (int i = 0; i < m_dlg->PageCount(); ++i)
    if (m_dlg->PageWidget(i)->isAncestorOf(edit) && m_dlg->Tab()->currentIndex() != i) SelectTab(i);
  QTest::mouseClick(edit, Qt::LeftButton);
  QVERIFY(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, text);
}

// Every widget shows exactly its page's text: nothing lost, nothing echoed twice.
void ConverterDlgTest::VerifyWidgetsMirrorPages() const {
  for (int i = 0; i < m_dlg->PageCount(); ++i) {
    const CFieldPage& page = m_dlg->PageWidget(i)->Page();
    for (const ControlTemplate& control : page.Template().controls) {
      if (control.kind != ControlKind::Edit) continue;
      const QLineEdit* edit = Field(QString::fromStdString(FieldObjectName(control.id)));
      QVERIFY(edit != nullptr);
      QCOMPARE(edit->text(), QString::fromStdString(page.FieldText(control.id)));
    }
  }
}

QStringList ConverterDlgTest::AllTexts() const {
  QStringList texts;
  for (const QLineEdit* edit : m_dlg->findChildren<QLineEdit*>())
    texts << edit->objectName() + '=' + edit->text();
  texts.sort();  // showing a page raises it, which reorders the widget tree
  return texts;
}

void ConverterDlgTest::startUpState() {
  QCOMPARE(m_dlg->windowTitle(), QString("Mensorator"));
  QVERIFY(!m_dlg->windowIcon().isNull());
  QCOMPARE(m_dlg->Tab()->count(), 2);
  QCOMPARE(m_dlg->Tab()->tabText(0), Shown("基数変換・角度単位関連", "Numbers and Angles"));
  QCOMPARE(m_dlg->Tab()->tabText(1), Shown("距離・角度", "Distance and Angle"));
  QCOMPARE(m_dlg->Tab()->currentIndex(), 0);
  QVERIFY(m_dlg->PageWidget(0)->isVisible());
  QVERIFY(!m_dlg->PageWidget(1)->isVisible());
  // Each page, once shown, lies exactly on the tab control's display area.
  for (int i : {1, 0}) {
    SelectTab(i);
    QCOMPARE(m_dlg->PageWidget(i)->geometry(), m_dlg->PageWidget(i)->parentWidget()->rect());
  }
  VerifyWidgetsMirrorPages();
}

void ConverterDlgTest::startUpTexts_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("text");
  for (const char* name : {"HEX", "DEC", "OCT", "BIN", "DEGREE", "RADIAN", "GRAD", "SIN", "TAN"})
    QTest::newRow(name) << QString("IDC_") + name << "0";
  QTest::newRow("COS") << "IDC_COS"
                       << "1";
  for (const char* name : {"START_X", "START_Y", "START_Z", "END_X", "END_Y", "END_Z", "DISTANCE",
                           "XY_DISTANCE", "XY_ANGLE", "ELEVATION"})
    QTest::newRow(name) << QString("IDC_") + name << "0";
}

void ConverterDlgTest::startUpTexts() {
  QFETCH(QString, field);
  QFETCH(QString, text);
  QLineEdit* edit = Field(field);
  QVERIFY(edit != nullptr);
  QCOMPARE(edit->text(), text);
}

void ConverterDlgTest::typedRows_data() {
  QTest::addColumn<QStringList>("typed");     // "FIELD=text", typed in order
  QTest::addColumn<QStringList>("expected");  // "FIELD=text" afterwards
  QTest::newRow("decimal 255") << QStringList{"DEC=255"}
                               << QStringList{"DEC=255", "HEX=ff", "OCT=377", "BIN=11111111"};
  QTest::newRow("hexadecimal 0x1F")
      << QStringList{"HEX=0x1F"} << QStringList{"HEX=0x1F", "DEC=31", "OCT=37", "BIN=11111"};
  QTest::newRow("degree 90 has no tangent")
      << QStringList{"DEGREE=90"}
      << QStringList{"DEGREE=90",      "RADIAN=1.57080", "GRAD=100.00000", "SIN=1.00000000",
                     "COS=0.00000000", "TAN=No Value",   "DEC=0"};
  // "450" leaves the range on its last key: the field being typed in is rewritten.
  QTest::newRow("degree 450 reduced while typing")
      << QStringList{"DEGREE=450"}
      << QStringList{"DEGREE=90.00000", "RADIAN=1.57080", "GRAD=100.00000", "TAN=No Value"};
  QTest::newRow("sine 0.5") << QStringList{"SIN=0.5"}
                            << QStringList{"DEGREE=30.00000000", "RADIAN=0.52360",
                                           "GRAD=33.33333",      "SIN=0.5",
                                           "COS=0.86602540",     "TAN=0.57735027"};
  QTest::newRow("end point 3 4") << QStringList{"END_X=3", "END_Y=4"}
                                 << QStringList{"END_X=3",
                                                "END_Y=4",
                                                "DISTANCE=5.000000",
                                                "XY_DISTANCE=5.000000",
                                                "XY_ANGLE=36.869892",
                                                "ELEVATION=0.000000"};
  QTest::newRow("XY distance typed")
      << QStringList{"END_X=3", "END_Y=4", "XY_DISTANCE=10"}
      << QStringList{"END_X=6.000000",     "END_Y=8.000000", "END_Z=0",
                     "DISTANCE=10.000000", "XY_DISTANCE=10", "XY_ANGLE=36.869892",
                     "ELEVATION=0.000000"};
}

void ConverterDlgTest::typedRows() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, expected);
  QStringList typedFields;
  for (const QString& pair : typed) {
    const FieldText step = ParsePair(pair);
    Type(step.objectName, step.text);
    typedFields << step.objectName;
  }
  for (const QString& pair : expected) {
    const FieldText want = ParsePair(pair);
    QLineEdit* edit = Field(want.objectName);
    QVERIFY(edit != nullptr);
    QCOMPARE(edit->text(), want.text);
    // Typing goes on at the end of the field being typed in, even after a handler rewrote
    // it; the fields that only the handlers wrote show their numbers from the first digit.
    if (edit->hasFocus())
      QCOMPARE(edit->cursorPosition(), edit->text().size());
    else if (!typedFields.contains(want.objectName))
      QCOMPARE(edit->cursorPosition(), 0);
  }
  VerifyWidgetsMirrorPages();
}

void ConverterDlgTest::focusChangesNothing() {
  const QStringList before = AllTexts();
  for (int page = 0; page < m_dlg->PageCount(); ++page) {
    SelectTab(page);
    for (QLineEdit* edit : m_dlg->PageWidget(page)->findChildren<QLineEdit*>()) {
      QTest::mouseClick(edit, Qt::LeftButton);
      const auto field = FindActiveField(edit->objectName().mid(4).toStdString());
      QVERIFY(field.has_value());
      QCOMPARE(g_activeField, static_cast<std::int32_t>(field->code));
    }
    // The Tab key moves the focus through the fields as well, still changing no text.
    for (int i = 0; i < 12; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(AllTexts(), before);
}

void ConverterDlgTest::tabSwitchKeepsTextsAndRegister() {
  Type("IDC_DEC", "42");
  const QStringList before = AllTexts();
  SelectTab(1);
  QVERIFY(!m_dlg->PageWidget(0)->isVisible());
  QVERIFY(m_dlg->PageWidget(1)->isVisible());
  QCOMPARE(g_activeField, static_cast<std::int32_t>(AF_DEC));
  SelectTab(0);
  QVERIFY(m_dlg->PageWidget(0)->isVisible());
  QVERIFY(!m_dlg->PageWidget(1)->isVisible());
  QCOMPARE(g_activeField, static_cast<std::int32_t>(AF_DEC));
  QCOMPARE(AllTexts(), before);
  QCOMPARE(Field("IDC_HEX")->text(), QString("2a"));
}

void ConverterDlgTest::enterChangesNothing() {
  Type("IDC_DEGREE", "30");
  Type("IDC_END_X", "3");
  const QStringList before = AllTexts();
  for (const char* name : {"IDC_END_X", "IDC_DEGREE"}) {
    Type(name, "");  // focus only: an empty text typed changes nothing
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
  }
  QTest::keyClick(m_dlg.get(), Qt::Key_Return);
  QCOMPARE(AllTexts(), before);
  QVERIFY(m_dlg->isVisible());
  QVERIFY(m_dlg->PageWidget(0)->isVisible());
  QCOMPARE(m_dlg->result(), 0);
}

void ConverterDlgTest::escapeHidesPageUntilTabSwitch() {
  Type("IDC_HEX", "ff");
  const QStringList before = AllTexts();
  QTest::keyClick(Field("IDC_HEX"), Qt::Key_Escape);
  QVERIFY(m_dlg->isVisible());
  QVERIFY(!m_dlg->PageWidget(0)->isVisible());
  QCOMPARE(m_dlg->Tab()->currentIndex(), 0);
  SelectTab(1);
  SelectTab(0);
  QVERIFY(m_dlg->PageWidget(0)->isVisible());
  QCOMPARE(AllTexts(), before);
}

void ConverterDlgTest::escapeOutsidePageAndCloseBoxEndTheRun() {
  QTest::keyClick(m_dlg->Tab()->tabBar(), Qt::Key_Escape);
  QVERIFY(!m_dlg->isVisible());
  QCOMPARE(m_dlg->result(), static_cast<int>(QDialog::Rejected));

  CConverterDlg second(m_language);
  QTimer::singleShot(0, &second, [&] { second.close(); });
  QCOMPARE(second.exec(), static_cast<int>(QDialog::Rejected));
}

// Keys typed after Escape hid a page reach none of its fields; a second Escape ends the run.
void ConverterDlgTest::escapeTakesTheFocusOutOfTheHiddenPage() {
  Type("IDC_OCT", "17");
  QTest::keyClick(Field("IDC_OCT"), Qt::Key_Escape);
  QVERIFY(!m_dlg->PageWidget(0)->isVisible());
  QCOMPARE(QApplication::focusWidget(), m_dlg->Tab()->tabBar());
  QTest::keyClicks(QApplication::focusWidget(), "7");
  SelectTab(1);
  SelectTab(0);
  QCOMPARE(Field("IDC_OCT")->text(), QString("17"));
  QCOMPARE(Field("IDC_HEX")->text(), QString("f"));

  QTest::keyClick(Field("IDC_OCT"), Qt::Key_Escape);
  QVERIFY(m_dlg->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  QVERIFY(!m_dlg->isVisible());
  QCOMPARE(m_dlg->result(), static_cast<int>(QDialog::Rejected));
}

void ConverterDlgTest::pageKeys_data() {
  QTest::addColumn<QString>("from");  // the field focused first; "" for the tab strip
  QTest::addColumn<bool>("escape");   // Escape pressed there first, hiding the page
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("page");  // the page selected afterwards
  QTest::addColumn<QString>("focused");
  const int ctrl = Qt::ControlModifier;
  const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
  QTest::newRow("Ctrl+Tab from a field")
      << "IDC_DEGREE" << false << int(Qt::Key_Tab) << ctrl << 1 << "IDC_START_X";
  QTest::newRow("Ctrl+Shift+Tab wraps")
      << "IDC_HEX" << false << int(Qt::Key_Backtab) << ctrlShift << 1 << "IDC_START_X";
  QTest::newRow("Ctrl+PageDown from the tab strip")
      << "" << false << int(Qt::Key_PageDown) << ctrl << 1 << "IDC_START_X";
  QTest::newRow("Ctrl+PageUp from the second page")
      << "IDC_END_Y" << false << int(Qt::Key_PageUp) << ctrl << 0 << "IDC_HEX";
  QTest::newRow("Ctrl+PageUp after Escape brings the hidden page back")
      << "IDC_BIN" << true << int(Qt::Key_PageUp) << ctrl << 1 << "IDC_START_X";
  QTest::newRow("Alt+PageDown from a field")
      << "IDC_OCT" << false << int(Qt::Key_PageDown) << int(Qt::AltModifier) << 1 << "IDC_START_X";
}

void ConverterDlgTest::pageKeys() {
  QFETCH(QString, from);
  QFETCH(bool, escape);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(int, page);
  QFETCH(QString, focused);
  if (from.isEmpty())
    m_dlg->Tab()->tabBar()->setFocus();
  else
    Type(from, "");
  if (escape) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  const QStringList before = AllTexts();
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key),
                  static_cast<Qt::KeyboardModifiers>(modifiers));
  QCOMPARE(m_dlg->Tab()->currentIndex(), page);
  QVERIFY(m_dlg->PageWidget(page)->isVisible());
  QVERIFY(!m_dlg->PageWidget(1 - page)->isVisible());
  QCOMPARE(QApplication::focusWidget(), Field(focused));
  QCOMPARE(Field(focused)->selectedText(), Field(focused)->text());
  QCOMPARE(AllTexts(), before);
}

void ConverterDlgTest::aboutBoxFromContextMenu_data() {
  QTest::addColumn<int>("closeKey");  // a key that closes the About box, or 0 for OK clicked
  QTest::newRow("OK button") << 0;
  QTest::newRow("Escape") << static_cast<int>(Qt::Key_Escape);
  QTest::newRow("Enter presses OK") << static_cast<int>(Qt::Key_Return);
}

void ConverterDlgTest::aboutBoxFromContextMenu() {
  QFETCH(int, closeKey);
  QString menuText, title;
  QStringList labels;
  bool closed = false;
  // The menu and the About box run their own loops: inspect and close them from timers.
  QTimer::singleShot(0, this, [&] {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return;
    if (auto* menu = qobject_cast<QMenu*>(popup); menu && !menu->actions().isEmpty())
      menuText = menu->actions().constLast()->text();
    QTimer::singleShot(0, this, [&] {
      auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
      if (about == nullptr) return;
      title = about->windowTitle();
      for (const QLabel* label : about->findChildren<QLabel*>()) labels << label->text();
      if (closeKey == 0)
        QTest::mouseClick(about->findChild<QPushButton*>(), Qt::LeftButton);
      else
        QTest::keyClick(about, static_cast<Qt::Key>(closeKey));
      closed = !about->isVisible();
    });
    QTest::keyClick(popup, Qt::Key_A);  // the entry's access key
  });
  // A right-click on a label of the first page, outside every edit field.
  QLabel* label = m_dlg->PageWidget(0)->findChild<QLabel*>();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(label, &event);

  QCOMPARE(menuText, Shown("Mensorator のﾊﾞｰｼﾞｮﾝ情報(&A)...", "&About Mensorator..."));
  QCOMPARE(title, Shown("Mensoratorのﾊﾞｰｼﾞｮﾝ情報", "About Mensorator"));
  QVERIFY(labels.contains(ToQString(kVersionText)));
  QVERIFY(std::any_of(labels.begin(), labels.end(),
                      [](const QString& text) { return text.endsWith("\n2004/08/29"); }));
  QVERIFY(closed);
  QVERIFY(m_dlg->isVisible());
}

// Opens a modal window of type T with `open`, closes it with Escape; `text` of it, empty if it
// never came.
template <class T>
QString ConverterDlgTest::ModalTextAfter(const std::function<void()>& open,
                                         QString (T::*text)() const) {
  QString shown;
  // A modal window runs a loop of its own, maybe inside a menu's: watch for it from a timer.
  QTimer closer;
  closer.setInterval(10);
  connect(&closer, &QTimer::timeout, this, [&] {
    auto* modal = qobject_cast<T*>(QApplication::activeModalWidget());
    if (modal == nullptr) return;
    closer.stop();
    shown = (modal->*text)();
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  closer.start();
  open();
  return shown;
}

void ConverterDlgTest::aboutBoxFromF1_data() {
  QTest::addColumn<QString>("from");  // the field focused; "" for the tab strip
  QTest::newRow("in a field") << "IDC_SIN";
  QTest::newRow("on the second page") << "IDC_ELEVATION";
  QTest::newRow("on the tab strip") << "";
}

void ConverterDlgTest::aboutBoxFromF1() {
  QFETCH(QString, from);
  if (from.isEmpty())
    m_dlg->Tab()->tabBar()->setFocus();
  else
    Type(from, "");
  QWidget* focused = QApplication::focusWidget();
  const QStringList before = AllTexts();
  QCOMPARE(AboutBoxTitleAfter([&] { QTest::keyClick(focused, Qt::Key_F1); }),
           Shown("Mensoratorのﾊﾞｰｼﾞｮﾝ情報", "About Mensorator"));
  QVERIFY(m_dlg->isVisible());
  QCOMPARE(AllTexts(), before);
}

// The edit fields keep Qt's own menu, in the window's language, with the About entry last.
void ConverterDlgTest::editMenusInTheLanguageEndWithAboutEntry() {
  QStringList texts;
  bool separatorBeforeLast = false;
  QLineEdit* edit = Field("IDC_HEX");
  const QString title = AboutBoxTitleAfter([&] {
    QTimer::singleShot(0, this, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      const QList<QAction*> actions = menu->actions();
      for (const QAction* action : actions) texts << action->text();
      separatorBeforeLast = actions.size() > 2 && actions[actions.size() - 2]->isSeparator();
      QTest::keyClick(menu, Qt::Key_A);  // the About entry's access key
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &event);
  });
  QVERIFY2(!texts.filter(QRegularExpression(Shown("^コピー\\(&C\\)\\t", "^&Copy\\t"))).isEmpty(),
           qPrintable(texts.join('|')));
  QCOMPARE(texts.constLast(), Shown("Mensorator のﾊﾞｰｼﾞｮﾝ情報(&A)...", "&About Mensorator..."));
  QVERIFY(separatorBeforeLast);
  QCOMPARE(title, Shown("Mensoratorのﾊﾞｰｼﾞｮﾝ情報", "About Mensorator"));
}

// Opens `edit`'s context menu, hands it to `use` from within the menu's own loop, and closes it.
void ConverterDlgTest::WithFieldMenu(QLineEdit* edit, const std::function<void(QMenu&)>& use) {
  bool used = false;
  QTimer::singleShot(0, this, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    // Closed first, as a menu closes before it carries out the entry chosen. The offscreen
    // platform, unlike X11, leaves no window active after a popup: the test gives it back.
    menu->hide();
    QApplication::setActiveWindow(m_dlg.get());
    use(*menu);
    used = true;
  });
  QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                          edit->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(edit, &event);
  QVERIFY(used);
}

// A field's menu lists each notation with the field's value in it, the entries without one
// disabled; Copy as fills the clipboard, Paste as reads it into the field as a paste and the
// cascade follows, or, holding nothing in the notation, says so and changes nothing.
void ConverterDlgTest::copyAsAndPasteAsMenus() {
  Type("IDC_HEX", "ffffff");
  Type("IDC_DEGREE", "");  // the focus elsewhere: Paste as gives it back to the field
  QLineEdit* hex = Field("IDC_HEX");
  QStringList shown;  // per submenu its title, then each entry's value or "disabled"
  // Chooses entry `index` of the field's submenu `submenu` (0 Copy as, 1 Paste as).
  const auto choose = [&](int submenu, int index) {
    WithFieldMenu(hex, [&](QMenu& menu) {
      for (const QMenu* sub : menu.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        shown << sub->title();
        for (const QAction* action : sub->actions())
          shown << (action->isEnabled() ? action->text().section('\t', 1) : "disabled");
      }
      menu.findChildren<QMenu*>().at(submenu)->actions().at(index)->trigger();
    });
  };
  choose(0, 5);  // Copy as colour
  QCOMPARE(shown.mid(0, 10),
           (QStringList{Shown("表記を選んでコピー(&O)", "C&opy as"), "0xffffff", "0o77777777",
                        "0b111111111111111111111111", "0000 0000 1111 1111 1111 1111 1111 1111",
                        "16777215", "#ffffff", "disabled",
                        "0xffffff   16777215   0o77777777   0b111111111111111111111111",
                        Shown("表記を選んで貼り付け(&S)", "Pa&ste as")}));
  QCOMPARE(shown.size(), 10 + 7);
  QCOMPARE(QGuiApplication::clipboard()->text(), QString("#ffffff"));

  QGuiApplication::clipboard()->setText("#FF8800");
  choose(1, 4);  // Paste as colour
  QCOMPARE(hex->text(), QString("ff8800"));
  QCOMPARE(Field("IDC_DEC")->text(), QString("16746496"));
  QCOMPARE(QApplication::focusWidget(), hex);
  VerifyWidgetsMirrorPages();

  QGuiApplication::clipboard()->setText("rwxr-xr-x");
  const QStringList before = AllTexts();
  QCOMPARE(ModalTextAfter<QMessageBox>([&] { choose(1, 4); }, &QMessageBox::text),
           Shown("クリップボードにはこの表記の値がありません。何も変えていません。",
                 "The clipboard holds no value in this notation. Nothing was changed."));
  QCOMPARE(AllTexts(), before);
}

// No field takes the input method: what Qt asks the focused field before it lets an input
// method compose into it is answered no in every field, while the keys still type.
void ConverterDlgTest::numberFieldsIgnoreTheInputMethod() {
  for (QLineEdit* edit : m_dlg->findChildren<QLineEdit*>()) {
    Type(edit->objectName(), "1");
    QCOMPARE(QGuiApplication::focusObject(), edit);
    QVERIFY2(!QGuiApplication::inputMethod()->queryFocusObject(Qt::ImEnabled, {}).toBool(),
             qPrintable(edit->objectName()));
    QInputMethodQueryEvent query(Qt::ImEnabled);  // as the platforms' input contexts ask
    QApplication::sendEvent(edit, &query);
    QVERIFY(!query.value(Qt::ImEnabled).toBool());
  }
  QCOMPARE(Field("IDC_HEX")->text(), QString("1"));
}

// The model's names reach the accessibility tree: one row end to end, and for every field a
// label as its buddy and a name no other field has.
void ConverterDlgTest::accessibleNames() {
  QCOMPARE(Field("IDC_START_X")->accessibleName(), Shown("始点 X", "Start X"));
  const QList<QLineEdit*> edits = m_dlg->findChildren<QLineEdit*>();
  const auto labels = m_dlg->findChildren<QLabel*>();
  for (const QLineEdit* edit : edits) {
    QVERIFY2(std::any_of(labels.begin(), labels.end(),
                         [&](const QLabel* label) { return label->buddy() == edit; }),
             qPrintable(edit->objectName()));
    for (const QLineEdit* other : edits)
      if (other != edit) QVERIFY(other->accessibleName() != edit->accessibleName());
  }
}

// Every text of every window is the one the .ts file gives for the language of the run (the
// template's own under Japanese); a run in another language leaves no Japanese character
// anywhere.
void ConverterDlgTest::shownTextsInTheLanguage() {
  CAboutDlg about(m_dlg->View().about);
  QStringList shown{m_dlg->windowTitle(), about.windowTitle(), m_dlg->AboutBoxAction()->text()};
  QCOMPARE(about.windowTitle(), ToQString(Translate(m_language, kAboutBoxTemplate.caption)));
  QCOMPARE(m_dlg->AboutBoxAction()->text(), ToQString(Translate(m_language, kAboutBoxMenuText)));
  const auto checkTemplate = [&](const DialogTemplate& dialog, const QWidget& host) {
    const QList<QWidget*> widgets = host.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(widgets.size(), static_cast<qsizetype>(dialog.controls.size()));
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
      const ControlTemplate& control = dialog.controls[i];
      if (control.text.empty()) continue;  // edit fields and the icon
      const QWidget* widget = widgets[static_cast<qsizetype>(i)];
      QString text;
      if (const auto* label = qobject_cast<const QLabel*>(widget)) text = label->text();
      if (const auto* group = qobject_cast<const QGroupBox*>(widget)) text = group->title();
      if (const auto* button = qobject_cast<const QPushButton*>(widget)) text = button->text();
      QCOMPARE(text, ToQString(Translate(m_language, control.text)));
      shown << text;
    }
  };
  checkTemplate(kAboutBoxTemplate, about);
  for (int i = 0; i < m_dlg->PageCount(); ++i) {
    checkTemplate(m_dlg->PageWidget(i)->Page().Template(), *m_dlg->PageWidget(i));
    shown << m_dlg->Tab()->tabText(i);
  }
  for (const QLineEdit* edit : m_dlg->findChildren<QLineEdit*>()) shown << edit->accessibleName();
  if (m_language == kSourceLanguage) return;
  for (const QString& text : shown)
    for (const QChar c : text)
      QVERIFY2(c.script() != QChar::Script_Han && c.script() != QChar::Script_Hiragana &&
                   c.script() != QChar::Script_Katakana && c.unicode() < 0xFF00,
               qPrintable(text));
}

void ConverterDlgTest::dialogFontIsTheGothicAtHand() {
  const QString face = QString::fromUtf8(kDialogFontFace.data(), kDialogFontFace.size());
  QString expected = "IPAPGothic";
  if (QFontDatabase::hasFamily(face))
    expected = face;
  else if (!QFontDatabase::hasFamily(expected))
    QSKIP("neither the dialog font nor its substitute is installed");
  // The name as the font reports it, which may be localised ("IPA Pゴシック" in Japanese).
  expected = QFontInfo(QFont(expected)).family();
  // Every window and every control shows the one font.
  QList<QWidget*> widgets = m_dlg->findChildren<QWidget*>();
  widgets << m_dlg.get();
  for (const QWidget* widget : widgets) {
    const QFontInfo info(widget->font());
    QCOMPARE(info.family(), expected);
    QCOMPARE(info.pointSize(), kDialogFontPointSize);
  }
  CAboutDlg about(m_dlg->View().about);
  QCOMPARE(QFontInfo(about.font()).family(), expected);
}

// Every widget lies where the window model puts it, inside the tab control's display area;
// in Japanese the window is its template's size to the pixel.
void ConverterDlgTest::geometryFollowsTemplates() {
  const WindowView& view = m_dlg->View();
  QCOMPARE(m_dlg->size(), QSize(view.main.width, view.main.height));
  if (m_language == kSourceLanguage)
    QCOMPARE(m_dlg->size(), QSize(view.units.ToPixelsX(kMainDialogTemplate.cx),
                                  view.units.ToPixelsY(kMainDialogTemplate.cy)));
  for (int i = 0; i < m_dlg->PageCount(); ++i) {
    SelectTab(i);
    CPageWidget* page = m_dlg->PageWidget(i);
    const QList<QWidget*> widgets = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const std::vector<ControlView>& controls = view.pages[static_cast<std::size_t>(i)].controls;
    QCOMPARE(widgets.size(), static_cast<qsizetype>(controls.size()));
    for (std::size_t c = 0; c < controls.size(); ++c) {
      const PixelRect& at = controls[c].pixels;
      const QRect geometry = widgets[static_cast<qsizetype>(c)]->geometry();
      QCOMPARE(geometry, QRect(at.x, at.y, at.cx, at.cy));
      QVERIFY2(page->rect().contains(geometry), qPrintable(QString::number(controls[c].id)));
    }
  }
}

// Run by CTest at the scales 1, 1.5 and 2: every label of every dialog shows its whole text,
// and none lies over another control.
void ConverterDlgTest::labelsShowTheirWholeText() {
  CAboutDlg about(m_dlg->View().about);
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QList<std::pair<QWidget*, const DialogTemplate*>> dialogs{{&about, &kAboutBoxTemplate}};
  for (int i = 0; i < m_dlg->PageCount(); ++i)
    dialogs.append({m_dlg->PageWidget(i), &m_dlg->PageWidget(i)->Page().Template()});
  const DialogUnits units = m_dlg->View().units;
  int checked = 0;
  for (const auto& [host, dialog] : dialogs) {
    const QList<QWidget*> controls = host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), static_cast<qsizetype>(dialog->controls.size()));
    for (qsizetype i = 0; i < controls.size(); ++i) {
      const auto* label = qobject_cast<const QLabel*>(controls[i]);
      if (label == nullptr || label->text().isEmpty()) continue;
      const QString name = label->text() + " at scale " + qgetenv("QT_SCALE_FACTOR");
      QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(name));
      QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(name));
      // What the label gained lies over no other control but the group box around it.
      QRect gained = label->geometry();
      gained.setLeft(gained.left() +
                     units.ToPixelsX(dialog->controls[static_cast<std::size_t>(i)].cx));
      for (const QWidget* other : controls)
        if (other != label && !qobject_cast<const QGroupBox*>(other) && gained.width() > 0)
          QVERIFY2(!other->geometry().intersects(gained), qPrintable(name));
      ++checked;
    }
  }
  QCOMPARE(checked, 2 + 11 + 11);  // the About box's labels and both pages'
}

// Qt adopts the environment's locale at start-up, and under every locale of the matrix the
// numbers must still be read and written with a decimal point; under LC_ALL=de_DE.UTF-8 the
// locale's decimal comma is in force.
void ConverterDlgTest::germanLocaleStillWritesPoints() {
  const char* all = std::getenv("LC_ALL");
  if (all != nullptr && std::strcmp(all, "de_DE.UTF-8") == 0)
    QCOMPARE(std::localeconv()->decimal_point, ",");  // the locale is installed and in force
  Type("IDC_END_X", "3");
  Type("IDC_END_Y", "4");
  QCOMPARE(Field("IDC_DISTANCE")->text(), QString("5.000000"));
  Type("IDC_XY_DISTANCE", "2.5");
  QCOMPARE(Field("IDC_END_X")->text(), QString("1.500000"));
  Type("IDC_RADIAN", "0.5");
  QCOMPARE(Field("IDC_DEGREE")->text(), QString("28.64789"));
}

// Run by tests/qt/wayland-run under a headless Wayland compositor, which has no input devices:
// the window is activated and the keys go to the widgets straight from QTest. The offscreen
// runs take the same steps.
void ConverterDlgTest::waylandWindowMapsAndConverts() {
  QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
  QCOMPARE(m_dlg->windowHandle()->title(), QString("Mensorator"));
  // With no seat the compositor never gives the window the keyboard; the test does.
  QApplication::setActiveWindow(m_dlg.get());
  QLineEdit* dec = Field("IDC_DEC");
  dec->setFocus();
  QTest::keyClick(dec, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(dec, "255");
  QCOMPARE(Field("IDC_HEX")->text(), QString("ff"));
  QCOMPARE(Field("IDC_BIN")->text(), QString("11111111"));
}

QTEST_MAIN(ConverterDlgTest)
#include "converter_dlg_test.moc"
