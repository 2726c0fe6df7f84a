// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Builds the widgets of one dialog template inside a host widget.
//
// Each control becomes a widget of its kind at its place in dialog units converted to pixels,
// created in template order so that the keyboard's tab order is the template's. A label too
// narrow for its text (in the user's language) in the font given grows to the right where the
// space is free, and where it is not, pushes what is right of it further right
// (MakeRoomForLabels); the Japanese texts move nothing. Edit fields
// get an object name from their control identifier ("IDC_HEX") and an accessible name from
// the label before them on their row, made their buddy. The builder neither binds fields to a
// page nor connects buttons: the dialogs that own the widgets do.
#ifndef MENSORATOR_APP_QT_TEMPLATE_WIDGETS_H
#define MENSORATOR_APP_QT_TEMPLATE_WIDGETS_H

#include <QIcon>
#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "app/qt/dialog_font.h"
#include "res/dialog_template.h"

// The widgets of a template, one per control and in the same order.
struct TemplateWidgets {
  const DialogTemplate* dialog;
  std::vector<QWidget*> widgets;
  int cx;  // the width they need, dialog units: the template's, or more for a long label

  // The widget of the control with identifier `id`, cast to T, or nullptr.
  template <class T>
  T* Find(int id) const {
    for (std::size_t i = 0; i < widgets.size(); ++i)
      if (dialog->controls[i].id == id) return qobject_cast<T*>(widgets[i]);
    return nullptr;
  }
};

// A UTF-8 text of the resources as a Qt string.
QString ToQString(std::string_view utf8);

// The application's icon IDR_MAINFRAME, at every size it is drawn in.
QIcon MainFrameIcon();

// The object name of edit field `controlId`, e.g. "IDC_HEX"; empty for an unknown identifier.
QString FieldObjectName(int controlId);

// Creates the widgets of `dialog` as children of `host`, laid out for `font`.
TemplateWidgets BuildTemplateWidgets(const DialogTemplate& dialog, QWidget& host,
                                     const QFont& font);

// Makes `dialog` a fixed-size window with the template's caption, the dialog font and its
// controls, as wide as its texts need; returns the controls' widgets.
TemplateWidgets BuildDialogWindow(const DialogTemplate& dialog, QWidget& window);

#endif
