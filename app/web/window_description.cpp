// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/web/window_description.h"

#include <iterator>
#include <string_view>

#include "fields/active_field.h"
#include "res/dialog_template.h"
#include "res/field_labels.h"
#include "res/strings.h"

namespace {

void AppendString(std::string& json, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  json += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20) {
      json += "\\u00";
      json += kHex[byte >> 4];
      json += kHex[byte & 0xf];
    } else {
      json += c;
    }
  }
  json += '"';
}

void AppendNumber(std::string& json, std::string_view key, long long value) {
  json += '"';
  json += key;
  json += "\":";
  json += std::to_string(value);
}

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Edit:
      return "edit";
    case ControlKind::Label:
    case ControlKind::LabelNoPrefix:
      return "label";
    case ControlKind::GroupBox:
      return "group";
    case ControlKind::Icon:
      return "icon";
    case ControlKind::DefaultButton:
      return "button";
    case ControlKind::Tab:
      return "tab";
  }
  return "";
}

// The element id of edit field `controlId`: its control's name, "IDC_HEX".
std::string FieldElementId(int controlId) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.controlId == controlId) return "IDC_" + std::string(field.name);
  return {};
}

void AppendControl(std::string& json, const DialogTemplate& dialog, std::size_t index) {
  const ControlTemplate& control = dialog.controls[index];
  json += "{\"kind\":";
  AppendString(json, KindName(control.kind));
  json += ",\"text\":";
  AppendString(json, control.text);
  for (const auto& [key, value] : {std::pair{"id", control.id},
                                   {"x", control.x},
                                   {"y", control.y},
                                   {"cx", control.cx},
                                   {"cy", control.cy}}) {
    json += ',';
    AppendNumber(json, key, value);
  }
  if (control.kind == ControlKind::Edit) {
    json += ",\"name\":";
    AppendString(json, FieldElementId(control.id));
    json += ",\"labels\":[";
    std::string_view separator;
    for (const std::size_t label : FieldNameLabels(dialog, index)) {
      json += separator;
      json += std::to_string(label);
      separator = ",";
    }
    json += ']';
  }
  json += '}';
}

void AppendDialog(std::string& json, const DialogTemplate& dialog) {
  json += "{\"caption\":";
  AppendString(json, dialog.caption);
  json += ',';
  AppendNumber(json, "cx", dialog.cx);
  json += ',';
  AppendNumber(json, "cy", dialog.cy);
  json += ",\"controls\":[";
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (i > 0) json += ',';
    AppendControl(json, dialog, i);
  }
  json += "]}";
}

}  // namespace

std::string DescribeWindow(ConverterPages& pages) {
  std::string json = "{\"font\":";
  AppendString(json, kDialogFontFace);
  json += ',';
  AppendNumber(json, "pointSize", kDialogFontPointSize);
  json += ",\"aboutEntry\":";
  AppendString(json, kAboutBoxMenuText);
  json += ",\"tabs\":[";
  for (std::size_t i = 0; i < std::size(kTabTextsCp932); ++i) {
    json += i > 0 ? ",[" : "[";
    std::string_view separator;
    for (const char c : kTabTextsCp932[i]) {
      json += separator;
      json += std::to_string(static_cast<unsigned char>(c));
      separator = ",";
    }
    json += ']';
  }
  json += "],\"main\":";
  AppendDialog(json, kMainDialogTemplate);
  json += ",\"about\":";
  AppendDialog(json, kAboutBoxTemplate);
  json += ",\"pages\":[";
  std::string_view separator;
  for (const CFieldPage* page : pages.All()) {
    json += separator;
    AppendDialog(json, page->Template());
    separator = ",";
  }
  json += "]}";
  return json;
}
