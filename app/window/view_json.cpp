// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/window/view_json.h"

#include <string_view>
#include <utility>

#include "app/window/language.h"
#include "res/strings.h"

namespace {

// Appends JSON values to one string, with the commas between an object's members and an
// array's elements.
class JsonWriter {
 public:
  JsonWriter& Open(char bracket) {
    Separate();
    m_json += bracket;
    m_first = true;
    return *this;
  }
  JsonWriter& Close(char bracket) {
    m_json += bracket;
    m_first = false;  // an empty one too is a value that the next one follows
    return *this;
  }
  // The next member's name; its value follows.
  JsonWriter& Key(std::string_view name) {
    Text(name);
    m_json += ':';
    m_first = true;
    return *this;
  }
  JsonWriter& Text(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    Separate();
    m_json += '"';
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (c == '"' || c == '\\') m_json += '\\';
      if (byte < 0x20)
        m_json.append("\\u00").append(1, kHex[byte >> 4]).append(1, kHex[byte & 0xf]);
      else
        m_json += c;
    }
    m_json += '"';
    return *this;
  }
  JsonWriter& Number(long long number) {
    Separate();
    m_json += std::to_string(number);
    return *this;
  }
  JsonWriter& Null() {
    Separate();
    m_json += "null";
    return *this;
  }
  JsonWriter& Bool(bool value) {
    Separate();
    m_json += value ? "true" : "false";
    return *this;
  }
  std::string Take() { return std::move(m_json); }

 private:
  void Separate() {
    if (!m_first) m_json += ',';
    m_first = false;
  }

  std::string m_json;
  bool m_first = true;
};

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

// The inputmode attribute of a field with `keyboard`. A keypad of digits has no sign on
// some phones and no exponent on any, so only the fields whose numbers are digits alone get
// one; the others keep the text keyboard, on which every character they read is typed.
std::string_view InputMode(FieldKeyboard keyboard) {
  return keyboard == FieldKeyboard::Digits ? "numeric" : "text";
}

void WriteControl(JsonWriter& json, const ControlView& control) {
  json.Open('{').Key("id").Number(control.id).Key("kind").Text(KindName(control.kind));
  json.Key("text").Text(control.text);
  json.Key("x").Number(control.pixels.x).Key("y").Number(control.pixels.y);
  json.Key("width").Number(control.pixels.cx).Key("height").Number(control.pixels.cy);
  if (control.kind == ControlKind::Edit) {
    json.Key("objectName").Text(control.objectName).Key("nameLabels").Open('[');
    for (const std::size_t label : control.nameLabels) json.Number(static_cast<long long>(label));
    json.Close(']').Key("inputMode").Text(InputMode(control.keyboard));
  }
  json.Close('}');
}

void WriteDialog(JsonWriter& json, const DialogView& dialog) {
  json.Open('{').Key("caption").Text(dialog.caption);
  json.Key("width").Number(dialog.width).Key("height").Number(dialog.height);
  json.Key("controls").Open('[');
  for (const ControlView& control : dialog.controls) WriteControl(json, control);
  json.Close(']').Key("readingOrder").Open('[');
  for (const std::size_t index : dialog.readingOrder) json.Number(static_cast<long long>(index));
  json.Close(']').Close('}');
}

std::string_view FocusName(FocusMove focus) {
  switch (focus) {
    case FocusMove::None:
      return "none";
    case FocusMove::FirstFieldOfSelectedPage:
      return "firstField";
    case FocusMove::TabStrip:
      return "tabStrip";
  }
  return "";
}

// A submenu's title and the start of its list of entries.
void OpenSubmenu(JsonWriter& json, std::string_view language, std::string_view title) {
  json.Key("title").Text(Translate(language, title)).Key("entries").Open('[');
}

// An entry of notation `info`, open for more members.
JsonWriter& OpenEntry(JsonWriter& json, std::string_view language, const NotationInfo& info) {
  json.Open('{').Key("notation").Text(info.name);
  return json.Key("label").Text(Translate(language, info.label));
}

}  // namespace

std::string ViewJson(const WindowView& view) {
  JsonWriter json;
  json.Open('{').Key("language").Text(view.language).Key("aboutEntry").Text(view.aboutEntry);
  json.Key("tabs").Open('[');
  for (const std::string_view tab : view.tabs) json.Text(tab);
  json.Close(']').Key("main");
  WriteDialog(json, view.main);
  json.Key("pages").Open('[');
  for (const DialogView& page : view.pages) WriteDialog(json, page);
  json.Close(']').Key("about");
  WriteDialog(json, view.about);
  json.Key("hiddenPageHint").Text(view.hiddenPageHint);
  return json.Close('}').Take();
}

std::string ReactionJson(const WindowReaction& reaction, const WindowBehaviour& behaviour) {
  JsonWriter json;
  json.Open('{').Key("pagesChanged").Bool(reaction.pagesChanged);
  json.Key("selected").Number(static_cast<long long>(behaviour.SelectedPage()));
  json.Key("visible").Open('[');
  for (std::size_t page = 0; page < behaviour.PageCount(); ++page)
    json.Bool(behaviour.PageVisible(page));
  json.Close(']').Key("focus").Text(FocusName(reaction.focus));
  json.Key("openAboutBox").Bool(reaction.openAboutBox).Key("end").Bool(reaction.end);
  return json.Close('}').Take();
}

std::string FieldMenusJson(std::string_view language, int controlId, std::string_view fieldText) {
  JsonWriter json;
  json.Open('{').Key("copyAs").Open('{');
  json.Key("noText").Text(Translate(language, kNoTextForValue));
  OpenSubmenu(json, language, kCopyAsMenuText);
  for (const CopyAsEntry& entry : CopyAsEntries(controlId, fieldText)) {
    OpenEntry(json, language, entry.info);
    json.Key("text");
    (entry.text ? json.Text(*entry.text) : json.Null()).Close('}');
  }
  json.Close(']').Close('}').Key("pasteAs").Open('{');
  OpenSubmenu(json, language, kPasteAsMenuText);
  for (const NotationInfo& info : PasteAsEntries(controlId))
    OpenEntry(json, language, info).Close('}');
  return json.Close(']').Close('}').Close('}').Take();
}

std::string PasteAsJson(std::string_view language, const PasteAsResult& result) {
  JsonWriter json;
  json.Open('{');
  if (result.fieldText)
    json.Key("fieldText").Text(*result.fieldText);
  else
    json.Key("message").Text(Translate(language, result.message));
  return json.Close('}').Take();
}
