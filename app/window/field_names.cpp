// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/field_names.h"

#include <algorithm>

#include "app/window/language.h"
#include "fields/active_field.h"

namespace {

// The labels of the edit field's row that start left of it, left to right.
std::vector<std::size_t> RowLabels(const DialogTemplate& dialog, const ControlTemplate& edit) {
  std::vector<std::size_t> labels;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& control = dialog.controls[i];
    if (control.kind == ControlKind::Label && control.x < edit.x && RowsOverlap(control, edit))
      labels.push_back(i);
  }
  std::sort(labels.begin(), labels.end(), [&](std::size_t a, std::size_t b) {
    return dialog.controls[a].x < dialog.controls[b].x;
  });
  return labels;
}

}  // namespace

std::vector<std::size_t> FieldNameLabels(const DialogTemplate& dialog, std::size_t editIndex) {
  const std::vector<std::size_t> labels = RowLabels(dialog, dialog.controls[editIndex]);
  if (labels.empty()) return {};
  const std::string_view text = dialog.controls[labels.back()].text;
  // How many edit fields of the dialog the nearest label's text names.
  std::size_t sameText = 0;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (dialog.controls[i].kind != ControlKind::Edit) continue;
    const std::vector<std::size_t> other = RowLabels(dialog, dialog.controls[i]);
    if (!other.empty() && dialog.controls[other.back()].text == text) ++sameText;
  }
  if (sameText > 1 && dialog.controls[labels.front()].text != text)
    return {labels.front(), labels.back()};
  return {labels.back()};
}

std::string FieldAccessibleName(const DialogTemplate& dialog, std::size_t editIndex,
                                std::string_view language) {
  std::string name;
  for (const std::size_t label : FieldNameLabels(dialog, editIndex)) {
    if (!name.empty()) name += ' ';
    name += Translate(language, dialog.controls[label].text);
  }
  return name;
}

std::string FieldObjectName(int controlId) {
  const ActiveFieldInfo* field = FieldOfControl(controlId);
  return field != nullptr ? "IDC_" + std::string(field->name) : std::string();
}
