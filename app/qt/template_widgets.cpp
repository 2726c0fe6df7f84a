#include "app/qt/template_widgets.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <string>

#include "app/qt/translation.h"
#include "fields/active_field.h"
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

bool SameRow(const ControlTemplate& a, const ControlTemplate& b) {
  return a.y < b.y + b.cy && b.y < a.y + a.cy;
}

// The labels of the edit field's row that start left of it, left to right.
std::vector<std::size_t> RowLabels(const DialogTemplate& dialog, const ControlTemplate& edit) {
  std::vector<std::size_t> labels;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& control = dialog.controls[i];
    if (control.kind == ControlKind::Label && control.x < edit.x && SameRow(control, edit))
      labels.push_back(i);
  }
  std::sort(labels.begin(), labels.end(), [&](std::size_t a, std::size_t b) {
    return dialog.controls[a].x < dialog.controls[b].x;
  });
  return labels;
}

// Each edit field is named after the nearest label to its left; where that text names more
// than one field ("X" on two rows), the row's first label goes before it ("始点 X", "Start X").
// The names are the labels' shown texts, in the user's language.
void NameEditsFromLabels(const TemplateWidgets& built) {
  const DialogTemplate& dialog = *built.dialog;
  struct Named {
    QLineEdit* edit;
    QLabel* label;
    QString row;
  };
  std::vector<Named> named;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    auto* edit = qobject_cast<QLineEdit*>(built.widgets[i]);
    if (edit == nullptr) continue;
    const std::vector<std::size_t> labels = RowLabels(dialog, dialog.controls[i]);
    if (labels.empty()) continue;
    named.push_back({edit, qobject_cast<QLabel*>(built.widgets[labels.back()]),
                     qobject_cast<QLabel*>(built.widgets[labels.front()])->text()});
  }
  for (const Named& field : named) {
    field.label->setBuddy(field.edit);
    const QString text = field.label->text();
    const auto sameText = std::count_if(named.begin(), named.end(), [&](const Named& other) {
      return other.label->text() == text;
    });
    field.edit->setAccessibleName(sameText > 1 && field.row != text ? field.row + ' ' + text
                                                                    : text);
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
