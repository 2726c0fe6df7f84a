// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/template_widgets.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <string>

#include "app/qt/translation.h"
#include "fields/active_field.h"
#include "res/field_labels.h"
#include "res/label_room.h"

namespace {

QWidget* CreateWidget(const ControlTemplate& control, QWidget& host) {
  const QString text = Tr(control.text);
  switch (control.kind) {
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(&host);
      edit->setObjectName(FieldObjectName(control.id));
      return edit;
    }
    case ControlKind::Label:
    case ControlKind::LabelNoPrefix: {
      // Plain text: no label of ours carries markup, and "&" stays as it is without a buddy.
      auto* label = new QLabel(text, &host);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(text, &host);
    case ControlKind::Icon: {
      // Drawn at the standard icon size, unscaled, from the control's top left corner, as an
      // icon control draws it whatever size its template gives.
      constexpr int kIconSize = 32;
      auto* picture = new QLabel(&host);
      picture->setPixmap(MainFrameIcon().pixmap(kIconSize));
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return picture;
    }
    case ControlKind::DefaultButton: {
      auto* button = new QPushButton(text, &host);
      button->setDefault(true);
      return button;
    }
    case ControlKind::Tab: {
      auto* tab = new QTabWidget(&host);
      // Not a tab stop: the tab strip takes the focus only when clicked.
      tab->tabBar()->setFocusPolicy(Qt::ClickFocus);
      return tab;
    }
  }
  return new QWidget(&host);
}

// Each edit field is named by the labels the template gives it, as they show in the user's
// language ("始点 X", "Start X"), and made the buddy of the nearest one.
void NameEditsFromLabels(const TemplateWidgets& built) {
  const DialogTemplate& dialog = *built.dialog;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    auto* edit = qobject_cast<QLineEdit*>(built.widgets[i]);
    if (edit == nullptr) continue;
    const std::vector<std::size_t> labels = FieldNameLabels(dialog, i);
    if (labels.empty()) continue;
    QStringList words;
    for (const std::size_t label : labels)
      words << qobject_cast<QLabel*>(built.widgets[label])->text();
    qobject_cast<QLabel*>(built.widgets[labels.back()])->setBuddy(edit);
    edit->setAccessibleName(words.join(' '));
  }
}

}  // namespace

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QIcon MainFrameIcon() {
  // The sizes a window and its dialogs show. Each file is decoded when added, and the window
  // system receives every size as a property of the window, so the launcher's large sizes
  // come from the installed icon theme instead.
  QIcon icon;
  for (int size : {16, 32, 48})
    icon.addFile(QStringLiteral(":/icons/mensorator-%1.png").arg(size), QSize(size, size));
  return icon;
}

QString FieldObjectName(int controlId) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.controlId == controlId) return "IDC_" + ToQString(field.name);
  return {};
}

TemplateWidgets BuildTemplateWidgets(const DialogTemplate& dialog, QWidget& host,
                                     const QFont& font) {
  const DialogUnits units = DialogUnits::Of(font);
  const QFontMetrics metrics(font);
  const DialogLayout layout = MakeRoomForLabels(dialog, [&](const ControlTemplate& label) {
    return DialogUnitsCoveringX(metrics.size(0, Tr(label.text)).width(), units.baseX);
  });
  const std::vector<DialogRect>& rects = layout.controls;
  TemplateWidgets built{&dialog, {}, layout.cx};
  for (std::size_t i = 0; i < rects.size(); ++i) {
    QWidget* widget = CreateWidget(dialog.controls[i], host);
    widget->setGeometry(units.ToPixels(rects[i].x, rects[i].y, rects[i].cx, rects[i].cy));
    built.widgets.push_back(widget);
  }
  NameEditsFromLabels(built);
  return built;
}

TemplateWidgets BuildDialogWindow(const DialogTemplate& dialog, QWidget& window) {
  const QFont font = DialogFont();
  const DialogUnits units = DialogUnits::Of(font);
  window.setFont(font);
  window.setWindowTitle(Tr(dialog.caption));
  TemplateWidgets built = BuildTemplateWidgets(dialog, window, font);
  window.setFixedSize(units.ToPixels(built.cx, dialog.cy));
  return built;
}
