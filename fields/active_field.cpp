// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "fields/active_field.h"

#include <algorithm>
#include <iterator>

std::optional<ActiveFieldInfo> FindActiveField(std::string_view name) {
  const auto found = std::find_if(std::begin(kActiveFields), std::end(kActiveFields),
                                  [&](const ActiveFieldInfo& field) { return field.name == name; });
  if (found == std::end(kActiveFields)) return std::nullopt;
  return *found;
}

const ActiveFieldInfo* FieldOfCode(std::int32_t code) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.code == code) return &field;
  return nullptr;
}

const ActiveFieldInfo* FieldOfControl(int controlId) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.controlId == controlId) return &field;
  return nullptr;
}
