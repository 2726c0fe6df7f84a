// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "tests/win32/resource_check.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "mensorator_version.h"
#include "res/dialog_template.h"
#include "res/dialogs.h"
#include "res/resource.h"
#include "res/strings.h"

namespace {

// A dialog template resource as the dialog manager reads it (DLGTEMPLATE or DLGTEMPLATEEX).
struct CompiledControl {
  DWORD style = 0;
  int id = 0;
  std::wstring className;  // in capitals; a predefined class by its ordinal, as "#130"
  std::wstring text;       // an ordinal as "#128"
  int x = 0, y = 0, cx = 0, cy = 0;
};

struct CompiledDialog {
  bool extended = false;
  DWORD style = 0, exStyle = 0;
  std::wstring caption;
  std::wstring face;
  std::vector<CompiledControl> controls;
};

class TemplateReader {
 public:
  explicit TemplateReader(const BYTE* data) : m_data(data) {}

  WORD Word() { return Take<WORD>(); }
  DWORD Dword() { return Take<DWORD>(); }
  short Short() { return Take<short>(); }
  BYTE Byte() { return Take<BYTE>(); }
  std::wstring String() {
    std::wstring text;
    for (WORD c = Word(); c != 0; c = Word()) text.push_back(static_cast<wchar_t>(c));
    return text;
  }
  // A string or an ordinal (0xFFFF followed by its number), an ordinal written as "#N".
  std::wstring StringOrOrdinal() {
    const WORD first = Word();
    if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
    m_offset -= sizeof(WORD);
    return String();
  }
  void AlignToDword() { m_offset = (m_offset + 3) & ~std::size_t{3}; }
  void Skip(std::size_t count) { m_offset += count; }

 private:
  template <class T>
  T Take() {
    T value;
    std::memcpy(&value, m_data + m_offset, sizeof value);
    m_offset += sizeof value;
    return value;
  }
  const BYTE* m_data;
  std::size_t m_offset = 0;
};

// Window class names do not depend on case, and a template may name a predefined class or
// give its ordinal.
std::wstring CanonicalClassName(std::wstring name) {
  CharUpperW(name.data());
  if (name == L"BUTTON") return L"#128";
  if (name == L"EDIT") return L"#129";
  if (name == L"STATIC") return L"#130";
  return name;
}

// Reads dialog `id` of the running program; `found` is false when there is none.
CompiledDialog ReadDialog(int id, bool& found) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_DIALOG);
  found = resource != nullptr;
  if (!found) return {};
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
  WORD head[2];
  std::memcpy(head, data, sizeof head);
  TemplateReader in(data);
  CompiledDialog dialog;
  dialog.extended = head[0] == 1 && head[1] == 0xFFFF;
  if (dialog.extended) {
    in.Skip(2 * sizeof(WORD) + sizeof(DWORD));  // version, signature, help identifier
    dialog.exStyle = in.Dword();
    dialog.style = in.Dword();
  } else {
    dialog.style = in.Dword();
    dialog.exStyle = in.Dword();
  }
  const WORD count = in.Word();
  in.Skip(4 * sizeof(short));  // x, y, width, height
  in.StringOrOrdinal();        // menu
  in.StringOrOrdinal();        // window class
  dialog.caption = in.String();
  if (dialog.style & DS_SETFONT) {
    in.Skip(sizeof(WORD));                                          // point size
    if (dialog.extended) in.Skip(sizeof(WORD) + 2 * sizeof(BYTE));  // weight, italic, charset
    dialog.face = in.String();
  }
  for (WORD i = 0; i < count; ++i) {
    in.AlignToDword();
    CompiledControl control;
    if (dialog.extended) in.Skip(2 * sizeof(DWORD));  // help identifier, extended style
    control.style = in.Dword();
    if (!dialog.extended) in.Skip(sizeof(DWORD));  // extended style
    control.x = in.Short();
    control.y = in.Short();
    control.cx = in.Short();
    control.cy = in.Short();
    control.id = dialog.extended ? static_cast<int>(in.Dword()) : static_cast<short>(in.Word());
    control.className = CanonicalClassName(in.StringOrOrdinal());
    control.text = in.StringOrOrdinal();
    in.Skip(in.Word());  // creation data
    dialog.controls.push_back(control);
  }
  return dialog;
}

// What the compiled template must hold for each kind of control: its window class and style.
struct KindExpectation {
  ControlKind kind;
  std::wstring_view className;
  DWORD style;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr KindExpectation kKinds[] = {
    {ControlKind::Edit, L"#129", kChild | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL},
    {ControlKind::Label, L"#130", kChild | WS_GROUP | SS_LEFTNOWORDWRAP},
    {ControlKind::LabelNoPrefix, L"#130", kChild | WS_GROUP | SS_LEFTNOWORDWRAP | SS_NOPREFIX},
    {ControlKind::GroupBox, L"#128", kChild | BS_GROUPBOX},
    {ControlKind::Icon, L"#130", kChild | SS_ICON},
    {ControlKind::DefaultButton, L"#128", kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {ControlKind::Tab, L"SYSTABCONTROL32", kChild},
};

const KindExpectation& ExpectationOf(ControlKind kind) {
  for (const KindExpectation& expectation : kKinds)
    if (expectation.kind == kind) return expectation;
  return kKinds[0];
}

struct DialogExpectation {
  const DialogTemplate& data;
  bool extended;
  DWORD style;
  DWORD exStyle;
};

void CheckDialog(Checker& check, const DialogExpectation& expected) {
  const DialogTemplate& data = expected.data;
  check.Case("dialog " + std::to_string(data.id));
  bool found = false;
  const CompiledDialog dialog = ReadDialog(data.id, found);
  check.That(found, "resource present");
  if (!found) return;
  check.Equal(dialog.extended, expected.extended, "extended template");
  check.Equal(dialog.style, expected.style, "style");
  check.Equal(dialog.exStyle, expected.exStyle, "extended style");
  // Sizes and the font's size pass through the resource compiler's preprocessor as they are;
  // texts depend on the script's code page.
  check.Equal(dialog.caption, WideFromNarrow(data.caption), "caption");
  check.Equal(dialog.face, WideFromNarrow(kDialogFontFace), "font");
  check.Equal(static_cast<long long>(dialog.controls.size()),
              static_cast<long long>(data.controls.size()), "control count");
  for (std::size_t i = 0; i < dialog.controls.size() && i < data.controls.size(); ++i) {
    const CompiledControl& control = dialog.controls[i];
    const ControlTemplate& want = data.controls[i];
    const KindExpectation& kind = ExpectationOf(want.kind);
    const std::string where = "control " + std::to_string(i) + " ";
    check.Equal(control.id, want.id, where + "identifier");
    check.Equal(control.className, kind.className, where + "class");
    check.Equal(control.style, kind.style, where + "style");
    check.Equal(control.text,
                want.kind == ControlKind::Icon ? L"#" + std::to_wstring(IDR_MAINFRAME)
                                               : WideFromNarrow(want.text),
                where + "text");
    check.Equal(control.x, want.x, where + "x");
    check.Equal(control.y, want.y, where + "y");
    check.Equal(control.cx, want.cx, where + "width");
    check.Equal(control.cy, want.cy, where + "height");
  }
}

void CheckIcon(Checker& check) {
  check.Case("icon");
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
  check.That(group != nullptr, "IDR_MAINFRAME present");
  if (group == nullptr) return;
  // The directory: three WORDs, then 14 bytes per image (width, height, colours, reserved,
  // planes, bit count, size, identifier).
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
  WORD count;
  std::memcpy(&count, data + 4, sizeof count);
  std::vector<std::wstring> images;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* entry = data + 6 + 14 * i;
    WORD bits;
    std::memcpy(&bits, entry + 6, sizeof bits);
    images.push_back(std::to_wstring(entry[0]) + L"x" + std::to_wstring(entry[1]) + L"x" +
                     std::to_wstring(bits));
  }
  std::wstring all;
  for (const std::wstring& image : images) all += image + L" ";
  // 4 bits: 16 colours; 8 bits: 256 colours.
  check.Equal(all, L"32x32x4 32x32x8 16x16x4 16x16x8 ", "images");
}

void CheckStrings(Checker& check) {
  check.Case("strings");
  const wchar_t* text = nullptr;
  const int length =
      LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, reinterpret_cast<wchar_t*>(&text), 0);
  check.Equal(std::wstring_view(text, length > 0 ? length : 0), WideFromNarrow(kAboutBoxMenuText),
              "IDS_ABOUTBOX");
}

// The version record's numbers (major, minor, 0, 0) and texts say the project's version.
void CheckVersion(Checker& check) {
  check.Case("version record");
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::vector<BYTE> record(GetFileVersionInfoSizeW(path, nullptr));
  check.That(!record.empty() && GetFileVersionInfoW(path, 0, record.size(), record.data()),
             "present");
  void* value = nullptr;
  UINT size = 0;
  if (record.empty() || !VerQueryValueW(record.data(), L"\\", &value, &size)) return;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  const DWORD major = MAKELONG(MENSORATOR_VERSION_MINOR, MENSORATOR_VERSION_MAJOR);
  check.Equal(fixed->dwFileVersionMS, major, "file version, major and minor");
  check.Equal(fixed->dwFileVersionLS, 0, "file version, the rest");
  check.Equal(fixed->dwProductVersionMS, major, "product version, major and minor");
  check.Equal(fixed->dwProductVersionLS, 0, "product version, the rest");
  for (const std::wstring name : {L"FileVersion", L"ProductVersion"}) {
    const std::wstring key = L"\\StringFileInfo\\041104b0\\" + name;
    const bool found = VerQueryValueW(record.data(), key.c_str(), &value, &size) && size > 0;
    check.Equal(found ? static_cast<const wchar_t*>(value) : L"",
                WideFromNarrow(MENSORATOR_VERSION), Utf8FromWide(name));
  }
}

// Wine treats every program as aware of each screen's DPI, so only the manifest itself can
// show that Windows will.
void CheckManifest(Checker& check) {
  check.Case("manifest");
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
  check.That(resource != nullptr, "present");
  if (resource == nullptr) return;
  const std::string_view manifest(
      static_cast<const char*>(LockResource(LoadResource(module, resource))),
      SizeofResource(module, resource));
  check.That(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>") != manifest.npos,
             "per-monitor DPI awareness, second version first");
}

}  // namespace

void CheckResources(Checker& check) {
  const DialogExpectation dialogs[] = {
      {kAboutBoxTemplate, false, ABOUTBOX_STYLE, 0},
      {kMainDialogTemplate, true, MAIN_DIALOG_STYLE, MAIN_DIALOG_EXSTYLE},
      {kPageRadixAngleTemplate, false, PAGE_STYLE, 0},
      {kPageDistanceAngleTemplate, false, PAGE_STYLE, 0},
  };
  for (const DialogExpectation& dialog : dialogs) CheckDialog(check, dialog);
  CheckIcon(check);
  CheckStrings(check);
  CheckVersion(check);
  CheckManifest(check);
}
