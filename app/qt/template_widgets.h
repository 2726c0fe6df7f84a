// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The dialog font, the window model laid out in it, and its dialogs rendered as widgets.
//
// Every window of the program uses one font, 9-point "ＭＳ Ｐゴシック". Where it is missing the
// metric-compatible IPAPGothic stands in, then the system's default. DescribeWindowInFont
// measures the font (its average character width and height, and each label's text) for the
// window model, which turns every place of the templates into pixels.
//
// In a dialog's widgets each control becomes a widget of its kind at its place in pixels and with
// its text, created in order so that the keyboard's tab order is the template's. Edit fields get
// their object and accessible names, and the nearest label naming each becomes its buddy. Nothing
// is laid out, named or translated here: the model did it. The builder neither binds fields to a
// page nor connects buttons: the dialogs that own the widgets do.
#ifndef MENSORATOR_APP_QT_TEMPLATE_WIDGETS_H
#define MENSORATOR_APP_QT_TEMPLATE_WIDGETS_H

#include <QFont>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <string_view>
#include <vector>

#include "app/window/window_view.h"

// The widgets of a dialog, one per control and in the same order.
struct TemplateWidgets {
  const DialogView* view;
  std::vector<QWidget*> widgets;

  // The widget of the control with identifier `id`, cast to T, or nullptr.
  template <class T>
  T* Find(int id) const {
    for (std::size_t i = 0; i < widgets.size(); ++i)
      if (view->controls[i].id == id) return qobject_cast<T*>(widgets[i]);
    return nullptr;
  }
};

// The dialog font, with its substitutes registered.
QFont DialogFont();

// The program's windows in `language`, laid out for `font`.
WindowView DescribeWindowInFont(ConverterPages& pages, std::string_view language,
                                const QFont& font);

// A UTF-8 text as a Qt string.
QString ToQString(std::string_view utf8);

// The application's icon IDR_MAINFRAME, at every size it is drawn in.
QIcon MainFrameIcon();

// Creates the widgets of `view` as children of `host`.
TemplateWidgets BuildTemplateWidgets(const DialogView& view, QWidget& host);

// Makes `window` a fixed-size window of `view`'s size and caption in the dialog font, with
// its controls; returns the controls' widgets.
TemplateWidgets BuildDialogWindow(const DialogView& view, QWidget& window);

#endif
