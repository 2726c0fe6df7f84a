// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/window_view.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "app/window/dialog_layout.h"
#include "app/window/field_names.h"
#include "app/window/language.h"
#include "fields/active_field.h"
#include "res/strings.h"

static_assert(std::size(kTabTexts) == ConverterPages::kCount, "one tab text per page");

namespace {

FieldKeyboard KeyboardOf(int controlId) {
  const ActiveFieldInfo* field = FieldOfControl(controlId);
  if (field == nullptr) return FieldKeyboard::None;
  if (field->code == AF_HEX) return FieldKeyboard::Letters;
  return field->group == FieldGroup::Integer ? FieldKeyboard::Digits : FieldKeyboard::Scientific;
}

// Rows top to bottom, each left to right. A row is the topmost control not yet placed and
// every other whose vertical middle lies within it; a group box counts by its caption's line
// alone, so it comes before the controls inside it.
std::vector<std::size_t> ReadingOrder(const DialogTemplate& dialog, const DialogLayout& layout) {
  constexpr int kCaptionLine = 8;  // vertical dialog units
  const auto box = [&](std::size_t i) {
    DialogRect rect = layout.controls[i];
    if (dialog.controls[i].kind == ControlKind::GroupBox) rect.cy = kCaptionLine;
    return rect;
  };
  // The index in `indices` with the least `coordinate`, the first of equals.
  const auto least = [&](const std::vector<std::size_t>& indices, int DialogRect::*coordinate) {
    return std::min_element(indices.begin(), indices.end(), [&](std::size_t a, std::size_t b) {
      return box(a).*coordinate < box(b).*coordinate;
    });
  };
  std::vector<std::size_t> left(dialog.controls.size());
  std::iota(left.begin(), left.end(), std::size_t{0});
  std::vector<std::size_t> order;
  while (!left.empty()) {
    const std::size_t topmost = *least(left, &DialogRect::y);
    const DialogRect top = box(topmost);
    std::vector<std::size_t> row;
    std::vector<std::size_t> below;
    for (const std::size_t i : left) {
      const int twiceMiddle = 2 * box(i).y + box(i).cy;
      const bool inRow = twiceMiddle >= 2 * top.y && twiceMiddle < 2 * (top.y + top.cy);
      (i == topmost || inRow ? row : below).push_back(i);
    }
    while (!row.empty()) {
      const auto leftmost = least(row, &DialogRect::x);
      order.push_back(*leftmost);
      row.erase(leftmost);
    }
    left = std::move(below);
  }
  return order;
}

DialogView ViewOf(const DialogTemplate& dialog, const DialogLayout& layout,
                  std::string_view language, DialogUnits units) {
  DialogView view{&dialog,   Translate(language, dialog.caption), layout.cx,
                  layout.cy, units.ToPixelsX(layout.cx),          units.ToPixelsY(layout.cy),
                  {},        ReadingOrder(dialog, layout)};
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& control = dialog.controls[i];
    ControlView& shown = view.controls.emplace_back(ControlView{control.id,
                                                                control.kind,
                                                                Translate(language, control.text),
                                                                layout.controls[i],
                                                                units.ToPixels(layout.controls[i]),
                                                                {},
                                                                {},
                                                                {},
                                                                FieldKeyboard::None});
    if (control.kind != ControlKind::Edit) continue;
    shown.objectName = FieldObjectName(control.id);
    shown.accessibleName = FieldAccessibleName(dialog, i, language);
    shown.nameLabels = FieldNameLabels(dialog, i);
    shown.keyboard = KeyboardOf(control.id);
  }
  return view;
}

DialogLayout LayOut(const DialogTemplate& dialog, std::string_view language, DialogUnits units,
                    const TextWidth& textWidth) {
  return MakeRoomForLabels(dialog, [&](const ControlTemplate& label) {
    return units.ToUnitsX(textWidth(Translate(language, label.text), label.kind));
  });
}

}  // namespace

const ControlView* DialogView::Find(int id) const {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [id](const ControlView& control) { return control.id == id; });
  return found != controls.end() ? &*found : nullptr;
}

WindowView DescribeWindow(ConverterPages& pages, std::string_view language, DialogUnits units,
                          const TextWidth& textWidth) {
  WindowView view{language, units,
                  {},       {},
                  {},       Translate(language, kAboutBoxMenuText),
                  {},       Translate(language, kHiddenPageHint)};
  int wider = 0;
  for (const CFieldPage* page : pages.All()) {
    const DialogTemplate& dialog = page->Template();
    const DialogLayout layout = LayOut(dialog, language, units, textWidth);
    wider = std::max(wider, layout.cx - dialog.cx);
    view.pages.push_back(ViewOf(dialog, layout, language, units));
  }
  for (std::string_view tab : kTabTexts) view.tabs.push_back(Translate(language, tab));
  DialogLayout main = LayOut(kMainDialogTemplate, language, units, textWidth);
  Widen(main, wider);
  view.main = ViewOf(kMainDialogTemplate, main, language, units);
  view.about = ViewOf(kAboutBoxTemplate, LayOut(kAboutBoxTemplate, language, units, textWidth),
                      language, units);
  return view;
}
