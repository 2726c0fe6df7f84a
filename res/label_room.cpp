// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "res/label_room.h"

#include <algorithm>

namespace {

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

DialogLayout MakeRoomForLabels(const DialogTemplate& dialog, const LabelWidth& labelWidth) {
  DialogLayout layout{FitLabels(dialog, labelWidth), dialog.cx, dialog.cy};
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (!IsLabel(dialog.controls[i].kind)) continue;
    DialogRect& rect = layout.controls[i];
    const int missing = labelWidth(dialog.controls[i]) - rect.cx;
    if (missing > 0) OpenGap(layout.controls, i, rect.x + rect.cx, missing);
  }
  layout.cx += std::max(0, RightEdge(layout.controls) - RightEdge(dialog.controls));
  return layout;
}
