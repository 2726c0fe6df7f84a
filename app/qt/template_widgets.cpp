#include "app/qt/template_widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <string>

#include "fields/active_field.h"
#include "res/field_labels.h"

namespace {

QWidget* CreateWidget(const ControlTemplate& control, QWidget& host) {
  const QString text = ToQString(control.text);
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

// Each edit field is named by the labels the template gives it and made the buddy of the
// nearest one.
void NameEditsFromLabels(const TemplateWidgets& built) {
  const DialogTemplate& dialog = *built.dialog;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    auto* edit = qobject_cast<QLineEdit*>(built.widgets[i]);
    if (edit == nullptr) continue;
    const std::vector<std::size_t> labels = FieldNameLabels(dialog, i);
    if (labels.empty()) continue;
    if (auto* label = qobject_cast<QLabel*>(built.widgets[labels.back()])) label->setBuddy(edit);
    edit->setAccessibleName(ToQString(FieldAccessibleName(dialog, i)));
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
                                     const DialogUnits& units) {
  TemplateWidgets built{&dialog, {}};
  for (const ControlTemplate& control : dialog.controls) {
    QWidget* widget = CreateWidget(control, host);
    widget->setGeometry(units.ToPixels(control.x, control.y, control.cx, control.cy));
    built.widgets.push_back(widget);
  }
  NameEditsFromLabels(built);
  return built;
}

TemplateWidgets BuildDialogWindow(const DialogTemplate& dialog, QWidget& window) {
  const QFont font = DialogFont();
  const DialogUnits units = DialogUnits::Of(font);
  window.setFont(font);
  window.setWindowTitle(ToQString(dialog.caption));
  window.setFixedSize(units.ToPixels(dialog.cx, dialog.cy));
  return BuildTemplateWidgets(dialog, window, units);
}
