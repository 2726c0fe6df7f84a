#include "fields/active_field.h"

#include <algorithm>

std::optional<ActiveFieldInfo> FindActiveField(std::string_view name) {
  const auto* found = std::ranges::find(kActiveFields, name, &ActiveFieldInfo::name);
  if (found == std::ranges::end(kActiveFields)) return std::nullopt;
  return *found;
}
