// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "res/dialog_layout.h"

#include <algorithm>

namespace {

// The right edge a label may grow to: the dialog's width, the left edge of the first control
// to its right on its rows, and the right edge of a control that encloses it (a group box).
int FreeRightEdge(const DialogTemplate& dialog, const ControlTemplate& label) {
  int edge = dialog.cx;
  for (const ControlTemplate& other : dialog.controls) {
    if (&other == &label || !RowsOverlap(label, other)) continue;
    if (other.x > label.x)
      edge = std::min(edge, other.x);
    else if (other.x + other.cx > label.x)
      edge = std::min(edge, other.x + other.cx);
  }
  return edge;
}

}  // namespace

std::vector<DialogRect> FitLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth) {
  std::vector<DialogRect> rects;
  rects.reserve(dialog.controls.size());
  for (const ControlTemplate& control : dialog.controls) {
    DialogRect rect{control.x, control.y, control.cx, control.cy};
    if (IsLabel(control.kind)) {
      const int needed = labelWidth(control);
      if (needed > control.cx)
        rect.cx =
            std::max(control.cx, std::min(needed, FreeRightEdge(dialog, control) - control.x));
    }
    rects.push_back(rect);
  }
  return rects;
}

int DialogUnitsCoveringX(int pixels, int baseX) {
  if (pixels <= 0 || baseX <= 0) return 0;
  return (pixels * 4 + baseX - 1) / baseX;
}
