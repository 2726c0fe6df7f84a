// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/dialog_layout.h"

#include <algorithm>

namespace {

// The right edge a label may grow to: the dialog's width `cx`, the left edge of the first
// control to its right on its rows, and the right edge of a control that encloses it (a group
// box).
template <class Rects>
int FreeRightEdge(const Rects& rects, std::size_t label, int cx) {
  int edge = cx;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const auto& other = rects[i];
    if (i == label || !RowsOverlap(rects[label], other)) continue;
    if (other.x > rects[label].x)
      edge = std::min(edge, other.x);
    else if (other.x + other.cx > rects[label].x)
      edge = std::min(edge, other.x + other.cx);
  }
  return edge;
}

// `rect` of a label that needs `needed` units widened into the free space up to `edge`.
void GrowInto(DialogRect& rect, int needed, int edge) {
  if (needed > rect.cx) rect.cx = std::max(rect.cx, std::min(needed, edge - rect.x));
}

template <class Rects>
int RightEdge(const Rects& rects) {
  int right = 0;
  for (const auto& rect : rects) right = std::max(right, rect.x + rect.cx);
  return right;
}

// Moves everything from `seam` rightwards on the rows of `rects[label]`, and the controls in
// the same columns, by `distance`; widens what spans the seam on those rows.
void OpenGap(std::vector<DialogRect>& rects, std::size_t label, int seam, int distance) {
  std::vector<int> columns;
  for (const DialogRect& rect : rects)
    if (rect.x >= seam && RowsOverlap(rect, rects[label])) columns.push_back(rect.x);
  std::vector<std::size_t> moved;
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const bool inColumn = std::find(columns.begin(), columns.end(), rects[i].x) != columns.end();
    if (rects[i].x >= seam && inColumn) moved.push_back(i);
  }
  for (std::size_t i = 0; i < rects.size(); ++i) {
    DialogRect& rect = rects[i];
    const bool spansSeam = rect.x < seam && rect.x + rect.cx > seam;
    if (i != label && spansSeam && std::any_of(moved.begin(), moved.end(), [&](std::size_t m) {
          return RowsOverlap(rect, rects[m]);
        }))
      rect.cx += distance;
  }
  for (std::size_t i : moved) rects[i].x += distance;
  rects[label].cx += distance;
}

}  // namespace

std::vector<DialogRect> FitLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth) {
  std::vector<DialogRect> rects;
  rects.reserve(dialog.controls.size());
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& control = dialog.controls[i];
    DialogRect& rect = rects.emplace_back(DialogRect{control.x, control.y, control.cx, control.cy});
    if (IsLabel(control.kind))
      GrowInto(rect, labelWidth(control), FreeRightEdge(dialog.controls, i, dialog.cx));
  }
  return rects;
}

DialogLayout MakeRoomForLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth) {
  DialogLayout layout{FitLabels(dialog, labelWidth), dialog.cx, dialog.cy};
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (!IsLabel(dialog.controls[i].kind)) continue;
    const int needed = labelWidth(dialog.controls[i]);
    DialogRect& rect = layout.controls[i];
    // A gap opened for a label above may already have made the room this one needs: labels
    // stacked in one column move their fields by the widest need, not by the sum.
    GrowInto(rect, needed, FreeRightEdge(layout.controls, i, layout.cx));
    if (needed > rect.cx) OpenGap(layout.controls, i, rect.x + rect.cx, needed - rect.cx);
  }
  layout.cx += std::max(0, RightEdge(layout.controls) - RightEdge(dialog.controls));
  return layout;
}

void Widen(DialogLayout& layout, int widen) {
  if (widen <= 0) return;
  const int right = RightEdge(layout.controls);
  for (DialogRect& rect : layout.controls)
    if (rect.x + rect.cx == right) rect.cx += widen;
  layout.cx += widen;
}
