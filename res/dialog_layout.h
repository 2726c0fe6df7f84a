// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Fits a dialog template's labels to the font in use.
//
// A template sizes each label for the font it was drawn with; a substitute font, another
// language or another scale can make the text wider than its box. FitLabels returns every
// control's rectangle, in template order and in dialog units, with each label that is too
// narrow widened to the right, as far as the space free of other controls and the dialog's
// width allow: never over another control, never narrower than the template. It measures no
// text itself (the front end's callback does, in its own font) and places no widgets.
#ifndef MENSORATOR_RES_DIALOG_LAYOUT_H
#define MENSORATOR_RES_DIALOG_LAYOUT_H

#include <functional>
#include <vector>

#include "res/dialog_template.h"

struct DialogRect {
  int x, y, cx, cy;  // dialog units

  bool operator==(const DialogRect&) const = default;
};

// The width a label needs to show its whole text, in dialog units.
using LabelWidth = std::function<int(const ControlTemplate& label)>;

// The controls' rectangles, one per control of `dialog` and in the same order.
std::vector<DialogRect> FitLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth);

// The horizontal dialog units that cover `pixels`, rounded up, for a font whose average
// character width is `baseX` pixels (4 units).
int DialogUnitsCoveringX(int pixels, int baseX);

#endif
