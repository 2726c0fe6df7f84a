// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/field_menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "app/qt/template_widgets.h"
#include "app/window/language.h"
#include "notations/field_notations.h"
#include "res/strings.h"

namespace {

// A label shown as it is in a menu entry, where "&" would mark an access key.
QString EntryLabel(std::string_view language, std::string_view label) {
  return ToQString(Translate(language, label)).replace('&', "&&");
}

void PasteAsInto(QLineEdit& edit, int controlId, Notation notation, std::string_view language) {
  const PasteAsResult result =
      PasteAs(controlId, notation, QGuiApplication::clipboard()->text().toStdString());
  if (!result.fieldText) {
    QWidget* window = edit.window();
    QMessageBox::information(window, window->windowTitle(),
                             ToQString(Translate(language, result.message)));
    return;
  }
  // The page acts only on its active field, which the focus makes it; the text then goes in
  // over the whole text selected, as a paste puts it, and reaches the page as the user's edit.
  edit.setFocus(Qt::OtherFocusReason);
  edit.selectAll();
  edit.insert(ToQString(*result.fieldText));
}

}  // namespace

void AddNotationMenus(QMenu& menu, QLineEdit& edit, int controlId, std::string_view language) {
  const std::string text = edit.text().toStdString();
  const std::vector<CopyAsEntry> copyEntries = CopyAsEntries(controlId, text);
  if (!copyEntries.empty()) {
    QMenu* copyAs = menu.addMenu(ToQString(Translate(language, kCopyAsMenuText)));
    for (const CopyAsEntry& entry : copyEntries) {
      const QString value = ToQString(entry.text.value_or(""));
      // After a tab the value stands in the column of the entries' shortcuts, the lines of all
      // four bases side by side.
      QAction* action = copyAs->addAction(EntryLabel(language, entry.info.label) + '\t' +
                                          QString(value).replace('\n', "   "));
      action->setEnabled(entry.text.has_value());
      QObject::connect(action, &QAction::triggered, &edit,
                       [value] { QGuiApplication::clipboard()->setText(value); });
    }
  }
  const std::vector<NotationInfo> pasteEntries = PasteAsEntries(controlId);
  if (pasteEntries.empty()) return;
  QMenu* pasteAs = menu.addMenu(ToQString(Translate(language, kPasteAsMenuText)));
  for (const NotationInfo& info : pasteEntries)
    QObject::connect(pasteAs->addAction(EntryLabel(language, info.label)), &QAction::triggered,
                     &edit, [&edit, controlId, notation = info.notation, language] {
                       PasteAsInto(edit, controlId, notation, language);
                     });
}
