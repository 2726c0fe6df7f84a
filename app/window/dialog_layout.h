// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Lays a dialog template out for the texts it shows: labels fitted to their texts, room made
// where a text needs more than the free space beside it, and a window widened for its widest
// page.
//
// A template sizes each label for the font and language it was drawn with; a substitute font,
// another language or another scale can make a text wider than its box. FitLabels widens such
// a label to the right, as far as the space free of other controls and the dialog's width
// allow: never over another control, never narrower than the template. Where that is not
// enough (an English label in a box drawn for two Japanese characters, right before its
// field), MakeRoomForLabels moves the controls right of the label on its rows further right
// by what is missing, and with them every control that starts where one of them starts, so
// that fields aligned in the template stay aligned. A control spanning the gap on those rows
// (a group box) grows with it, and the dialog grows by as much as its controls now reach
// further right. A template whose labels all fit comes back exactly as it is.
//
// Nothing here measures text (the caller's LabelWidth does, in its own font) or places
// widgets.
#ifndef MENSORATOR_APP_WINDOW_DIALOG_LAYOUT_H
#define MENSORATOR_APP_WINDOW_DIALOG_LAYOUT_H

#include <functional>
#include <vector>

#include "app/window/dialog_units.h"
#include "res/dialog_template.h"

// The width a label needs to show its whole text, in dialog units.
using LabelWidth = std::function<int(const ControlTemplate& label)>;

struct DialogLayout {
  std::vector<DialogRect> controls;  // one per control of the template, in its order
  int cx, cy;                        // the dialog's size, dialog units

  bool operator==(const DialogLayout&) const = default;
};

// The controls' rectangles, each label widened into free space only.
std::vector<DialogRect> FitLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth);

// The dialog with room made for every label's text.
DialogLayout MakeRoomForLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth);

// Widens `layout` by `widen` dialog units; the controls that reach furthest right (the main
// window's tab control) stretch with it.
void Widen(DialogLayout& layout, int widen);

#endif
