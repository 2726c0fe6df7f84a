// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/template_widgets.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "res/dialog_template.h"

namespace {

// IPAPGothic has the same proportional glyph widths as the dialog font, so the templates'
// layout fits it; its package defines no alias for the original name.
constexpr const char* kSubstituteFace = "IPAPGothic";

// An edit field, which always holds a number: it takes no input method, so that digits typed
// while a Japanese input method is on arrive as ASCII digits, as Japanese number entry has them.
// Qt asks the focused widget whether it takes one, by a query event or by calling the invokable
// query; a line edit answers both for itself, whatever its WA_InputMethodEnabled says.
class NumberEdit final : public QLineEdit {
  Q_OBJECT

 public:
  using QLineEdit::QLineEdit;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
    return inputMethodQuery(query, {});
  }
  Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
    return query == Qt::ImEnabled ? QVariant(false) : QLineEdit::inputMethodQuery(query, argument);
  }
};

QWidget* CreateWidget(const ControlView& control, QWidget& host) {
  const QString text = ToQString(control.text);
  switch (control.kind) {
    case ControlKind::Edit: {
      auto* edit = new NumberEdit(&host);
      edit->setObjectName(ToQString(control.objectName));
      edit->setAccessibleName(ToQString(control.accessibleName));
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

TemplateWidgets BuildTemplateWidgets(const DialogView& view, QWidget& host) {
  TemplateWidgets built{&view, {}};
  for (const ControlView& control : view.controls) {
    QWidget* widget = CreateWidget(control, host);
    const PixelRect& at = control.pixels;
    widget->setGeometry(at.x, at.y, at.cx, at.cy);
    built.widgets.push_back(widget);
  }
  for (std::size_t i = 0; i < view.controls.size(); ++i)
    if (!view.controls[i].nameLabels.empty())
      qobject_cast<QLabel*>(built.widgets[view.controls[i].nameLabels.back()])
          ->setBuddy(built.widgets[i]);
  return built;
}

TemplateWidgets BuildDialogWindow(const DialogView& view, QWidget& window) {
  window.setFont(DialogFont());
  window.setWindowTitle(ToQString(view.caption));
  window.setFixedSize(view.width, view.height);
  return BuildTemplateWidgets(view, window);
}

QFont DialogFont() {
  const QString face = ToQString(kDialogFontFace);
  if (!QFont::substitutes(face).contains(kSubstituteFace))
    QFont::insertSubstitution(face, kSubstituteFace);
  // Asking for a family that is not installed sends Qt through every fallback font of every
  // script before the substitute is tried, which costs more than the rest of the start-up,
  // so the family at hand is named directly.
  QString family = face;
  if (!QFontDatabase::hasFamily(face)) {
    const QStringList substitutes = QFont::substitutes(face);
    const auto found =
        std::find_if(substitutes.begin(), substitutes.end(),
                     [](const QString& name) { return QFontDatabase::hasFamily(name); });
    family = found != substitutes.end() ? *found : QString();
  }
  QFont font(family, kDialogFontPointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

WindowView DescribeWindowInFont(ConverterPages& pages, std::string_view language,
                                const QFont& font) {
  const QFontMetrics metrics(font);
  const DialogUnits units = DialogUnits::Measured(
      metrics.horizontalAdvance(ToQString(kAverageWidthSample)), metrics.height());
  // A label shows its text as it is, "&" included, as its plain text format draws it.
  return DescribeWindow(pages, language, units, [&](std::string_view text, ControlKind) {
    return metrics.size(0, ToQString(text)).width();
  });
}

#include "template_widgets.moc"
