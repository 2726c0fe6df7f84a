// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Makes room for labels whose text is wider than the free space beside them.
//
// FitLabels widens a label only into free space. Where that is not enough (an English label
// in a box drawn for two Japanese characters, right before its field), MakeRoomForLabels
// moves the controls right of the label on its rows further right by what is missing, and
// with them every control that starts where one of them starts, so that fields aligned in the
// template stay aligned. A control spanning the gap on those rows (a group box) grows with it,
// and the dialog grows by as much as its controls now reach further right. A template whose
// labels all fit comes back exactly as it is. It measures no text itself and places no
// widgets.
#ifndef MENSORATOR_RES_LABEL_ROOM_H
#define MENSORATOR_RES_LABEL_ROOM_H

#include <vector>

#include "res/dialog_layout.h"
#include "res/dialog_template.h"

struct DialogLayout {
  std::vector<DialogRect> controls;  // one per control of the template, in its order
  int cx, cy;                        // the dialog's size, dialog units
};

DialogLayout MakeRoomForLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth);

#endif
