// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Everything a front end shows of the program's windows, ready to render: the main window with
// its tab texts and pages, and the About box, each control with its text in the window's
// language, its place in dialog units and in pixels, and each edit field with its object and
// accessible names and the on-screen keyboard it asks for. Each dialog also lists its controls
// in reading order, rows top to bottom, for front ends whose element order is what a screen
// reader reads.
//
// DescribeWindow builds it from the templates for one language and one dialog font: the front
// end measures the font (DialogUnits::Measured) and hands in a TextWidth that measures a text
// as its labels draw it. Labels get room for their texts (MakeRoomForLabels) and the main
// window and its tab control widen by what the widest page needs beyond its template. A front
// end creates one widget per ControlView at `pixels`, in order (the tab order), and does
// nothing else with the layout. It creates no widgets itself.
#ifndef MENSORATOR_APP_WINDOW_WINDOW_VIEW_H
#define MENSORATOR_APP_WINDOW_WINDOW_VIEW_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/window/dialog_units.h"
#include "pages/converter_pages.h"
#include "res/dialog_template.h"

// The width in pixels of `text` as a control of `kind` draws it in the dialog font: the widest
// line of a text of several lines; "&" shown or not as the kind says.
using TextWidth = std::function<int(std::string_view text, ControlKind kind)>;

// The on-screen keyboard an edit field asks for: what its number is typed with. Every field
// also reads a leading sign.
enum class FieldKeyboard {
  None,        // not an edit field
  Digits,      // decimal digits: the decimal, octal and binary fields
  Letters,     // digits and Latin letters: the hexadecimal field (a-f, 0x)
  Scientific,  // digits, a decimal point and an exponent: angles, coordinates and measures
};

struct ControlView {
  int id;  // -1 for a control the code never addresses
  ControlKind kind;
  std::string_view text;  // as shown, in the window's language (UTF-8)
  DialogRect units;       // its place once the labels have room
  PixelRect pixels;       // the same in the dialog font's pixels
  // Edit fields only: the name scripts and tests find it by ("IDC_HEX"), the name a screen
  // reader says ("始点 X"), and the indices of the labels that name it, its buddy last.
  std::string objectName;
  std::string accessibleName;
  std::vector<std::size_t> nameLabels;
  FieldKeyboard keyboard = FieldKeyboard::None;
};

struct DialogView {
  const DialogTemplate* dialog;
  std::string_view caption;  // in the window's language; empty for a page
  int cx, cy;                // its size in dialog units
  int width, height;         // the same in pixels: the client area of a window
  std::vector<ControlView> controls;
  // The indices of `controls` in reading order: rows top to bottom, each left to right, so
  // that a label comes before the field right of it; `controls` itself is in tab order.
  std::vector<std::size_t> readingOrder;

  // The control with identifier `id`, or nullptr.
  const ControlView* Find(int id) const;
};

struct WindowView {
  std::string_view language;
  DialogUnits units;
  DialogView main;                     // the tab control widened for the widest page
  std::vector<DialogView> pages;       // in tab order
  std::vector<std::string_view> tabs;  // one text per page
  std::string_view aboutEntry;         // the About entry of the window's menu; "&" marks its key
  DialogView about;
  std::string_view hiddenPageHint;  // shown where a page was after Escape hid it
};

WindowView DescribeWindow(ConverterPages& pages, std::string_view language, DialogUnits units,
                          const TextWidth& textWidth);

#endif
