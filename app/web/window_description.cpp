// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/web/window_description.h"

#include <iterator>
#include <string_view>

#include "fields/active_field.h"
#include "res/dialog_template.h"
#include "res/field_labels.h"
#include "res/label_room.h"
#include "res/strings.h"
#include "res/translations.h"

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

void AppendControl(std::string& json, const DialogTemplate& dialog, std::size_t index,
                   std::string_view language) {
  const ControlTemplate& control = dialog.controls[index];
  json += "{\"kind\":";
  AppendString(json, KindName(control.kind));
  json += ",\"text\":";
  AppendString(json, Translate(language, control.text));
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

void AppendDialog(std::string& json, const DialogTemplate& dialog, std::string_view language) {
  json += "{\"caption\":";
  AppendString(json, Translate(language, dialog.caption));
  json += ',';
  AppendNumber(json, "cx", dialog.cx);
  json += ',';
  AppendNumber(json, "cy", dialog.cy);
  json += ",\"controls\":[";
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    if (i > 0) json += ',';
    AppendControl(json, dialog, i, language);
  }
  json += "]}";
}

}  // namespace

std::vector<const DialogTemplate*> WindowDialogs(ConverterPages& pages) {
  std::vector<const DialogTemplate*> dialogs{&kMainDialogTemplate, &kAboutBoxTemplate};
  for (const CFieldPage* page : pages.All()) dialogs.push_back(&page->Template());
  return dialogs;
}

std::string DescribeWindow(ConverterPages& pages, std::string_view language) {
  std::string json = "{\"language\":";
  AppendString(json, language);
  json += ",\"font\":";
  AppendString(json, kDialogFontFace);
  json += ',';
  AppendNumber(json, "pointSize", kDialogFontPointSize);
  json += ",\"aboutEntry\":";
  AppendString(json, Translate(language, kAboutBoxMenuText));
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
  AppendDialog(json, kMainDialogTemplate, language);
  json += ",\"about\":";
  AppendDialog(json, kAboutBoxTemplate, language);
  json += ",\"pages\":[";
  std::string_view separator;
  for (const CFieldPage* page : pages.All()) {
    json += separator;
    AppendDialog(json, page->Template(), language);
    separator = ",";
  }
  json += "]}";
  return json;
}

std::string DescribeLayout(const DialogTemplate& dialog, std::span<const int> labelPixels,
                           int baseX) {
  // Japanese texts fit their boxes or the free space beside them, so a Japanese page keeps
  // the template's places; longer translations make room for themselves.
  const DialogLayout layout = MakeRoomForLabels(dialog, [&](const ControlTemplate& label) {
    const auto index = static_cast<std::size_t>(&label - dialog.controls.data());
    return index < labelPixels.size() ? DialogUnitsCoveringX(labelPixels[index], baseX) : 0;
  });
  std::string json = "{";
  AppendNumber(json, "cx", layout.cx);
  json += ',';
  AppendNumber(json, "cy", layout.cy);
  json += ",\"controls\":[";
  std::string_view separator;
  for (const DialogRect& rect : layout.controls) {
    json += separator;
    json += '{';
    AppendNumber(json, "x", rect.x);
    json += ',';
    AppendNumber(json, "y", rect.y);
    json += ',';
    AppendNumber(json, "cx", rect.cx);
    json += ',';
    AppendNumber(json, "cy", rect.cy);
    json += '}';
    separator = ",";
  }
  json += "]}";
  return json;
}
