// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// mensorator.html's program: the pages and the window model in WebAssembly, and the few C
// functions through which the page's script renders them. mensorator_window() measures the
// page's font and texts through the script and returns the window's description in JSON;
// the script creates the elements, tells the pages of focus and of the user's edits and
// forwards keys and tab clicks to the window's behaviour, whose reactions it carries out. It
// is told of every text the pages write, at once and nested as the writes happen. A field's
// "Copy as" and "Paste as" menus and what a Paste as reads come from here too, as does the
// ASCII form of text an input method composed in a field.
#include <emscripten.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/window/language.h"
#include "app/window/view_json.h"
#include "app/window/window_behaviour.h"
#include "app/window/window_view.h"
#include "fields/active_field.h"
#include "notations/field_notations.h"
#include "notations/folded_text.h"
#include "pages/converter_pages.h"

// Sets the page's dialog font (face `face`, UTF-8, and `pointSize`) and stores in
// `measures` the width of `sample` (`length` bytes) in it and its height, in pixels.
EM_JS(void, MeasureFont,
      (const char* face, int pointSize, const char* sample, int length, int* measures), {
        HEAP32.set(Module.measureFont(UTF8ToString(face), pointSize, UTF8ToString(sample, length)),
                   measures >> 2);
      });

// The width of `text` (UTF-8, `length` bytes) in pixels in the dialog font: its widest line.
EM_JS(int, MeasureText, (const char* text, int length),
      { return Module.textWidth(UTF8ToString(text, length)); });

EM_JS(bool, FieldHasFocus, (int controlId), { return Module.fieldHasFocus(controlId); });

// Shows `text` (UTF-8, `length` bytes) in edit field `controlId` with the caret at `caret`.
EM_JS(void, ShowFieldText, (int controlId, const char* text, int length, int caret),
      { Module.showFieldText(controlId, UTF8ToString(text, length), caret); });

namespace {

class PageView final : public FieldObserver {
 public:
  void OnFieldWritten(int controlId, std::string_view text) override {
    const int length = static_cast<int>(text.size());
    ShowFieldText(controlId, text.data(), length,
                  CaretAfterRewrite(FieldHasFocus(controlId), length));
  }
};

// The program's one window. The view is declared first so that it outlives the pages that
// tell it of their writes.
struct WebWindow {
  PageView view;
  ConverterPages pages;
  WindowBehaviour behaviour{ConverterPages::kCount};
};

WebWindow g_window;
// The language of the window's texts, chosen when it is described.
std::string_view g_language = "ja";

// `text` as the page reads it, valid until the next call of any function that returns one.
const char* Returned(std::string text) {
  static std::string returned;
  returned = std::move(text);
  return returned.c_str();
}

const char* Reacted(const WindowReaction& reaction) {
  return Returned(ReactionJson(reaction, g_window.behaviour));
}

// The command of the key that KeyboardEvent.key names, pressed with `modifiers`.
std::optional<WindowCommand> CommandOfKey(std::string_view key, unsigned modifiers) {
  // The dialog manager's keys, whatever the modifiers.
  if (key == "Enter") return WindowCommand::OK;
  if (key == "Escape") return WindowCommand::Cancel;
  static constexpr std::pair<std::string_view, Key> kKeyNames[] = {
      {"F1", Key::F1}, {"Tab", Key::Tab}, {"PageDown", Key::PageDown}, {"PageUp", Key::PageUp}};
  for (const auto& [name, windowKey] : kKeyNames)
    if (name == key) return CommandForKey(windowKey, modifiers);
  return std::nullopt;
}

}  // namespace

extern "C" {

// The window's description (view_json.h) in the language chosen for a user who prefers
// `languages` (UTF-8 language tags, one a line, most preferred first, as navigator.languages
// gives them), laid out in the page's dialog font; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* mensorator_window(const char* languages) {
  std::vector<std::string> preferred;
  std::string_view rest = languages;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    if (end > 0) preferred.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  g_language = ChooseLanguage(preferred);
  int measures[2];
  MeasureFont(kDialogFontFace.data(), kDialogFontPointSize, kAverageWidthSample.data(),
              static_cast<int>(kAverageWidthSample.size()), measures);
  const WindowView view =
      DescribeWindow(g_window.pages, g_language, DialogUnits::Measured(measures[0], measures[1]),
                     [](std::string_view text, ControlKind) {
                       return MeasureText(text.data(), static_cast<int>(text.size()));
                     });
  return Returned(ViewJson(view));
}

// Creates the pages, as the main window does when it starts: their start-up writes show
// every field's first text. Call once, after the fields exist.
EMSCRIPTEN_KEEPALIVE void mensorator_start() {
  for (CFieldPage* page : g_window.pages.All()) page->SetObserver(&g_window.view);
  g_window.pages.Create();
}

// Edit field `controlId` gained the keyboard focus.
EMSCRIPTEN_KEEPALIVE void mensorator_focus(int controlId) {
  if (CFieldPage* page = g_window.pages.PageOf(controlId)) page->OnFieldFocused(controlId);
}

// The user changed edit field `controlId` to `text` (UTF-8, zero-terminated).
EMSCRIPTEN_KEEPALIVE void mensorator_edit(int controlId, const char* text) {
  if (CFieldPage* page = g_window.pages.PageOf(controlId)) page->OnFieldEdited(controlId, text);
}

// The tab strip's selection became `page`; returns the window's reaction (view_json.h).
EMSCRIPTEN_KEEPALIVE const char* mensorator_tab_selected(int page) {
  return Reacted(g_window.behaviour.OnTabSelected(static_cast<std::size_t>(page)));
}

// The key that KeyboardEvent.key names (UTF-8) went down with Ctrl, Shift and Alt as given,
// the focus inside a page or not; returns the window's reaction, or null where the key is
// none of the window's or changes nothing, so that the browser handles it (Enter on a tab).
EMSCRIPTEN_KEEPALIVE const char* mensorator_key(const char* key, bool ctrl, bool shift, bool alt,
                                                bool inPage) {
  const unsigned modifiers = (ctrl ? kCtrl : 0) | (shift ? kShift : 0) | (alt ? kAlt : 0);
  const std::optional<WindowCommand> command = CommandOfKey(key, modifiers);
  if (!command) return nullptr;
  const WindowReaction reaction = g_window.behaviour.OnCommand(*command, inPage);
  return reaction == WindowReaction{} ? nullptr : Reacted(reaction);
}

// The "Copy as" and "Paste as" menus (view_json.h) of edit field `controlId` holding `text`
// (UTF-8).
EMSCRIPTEN_KEEPALIVE const char* mensorator_field_menus(int controlId, const char* text) {
  return Returned(FieldMenusJson(g_language, controlId, text));
}

// What Paste as `notation` (a notation's name, "hex") of `clipboard` (UTF-8) puts into edit
// field `controlId`, or the message to show instead (view_json.h).
EMSCRIPTEN_KEEPALIVE const char* mensorator_paste_as(int controlId, const char* notation,
                                                     const char* clipboard) {
  const std::optional<Notation> found = FindNotation(notation);
  return Returned(PasteAsJson(g_language, found ? PasteAs(controlId, *found, clipboard)
                                                : PasteAsResult{std::nullopt, kNothingInNotation}));
}

// `text` (UTF-8), which an input method composed in an edit field, with its full-width digits,
// letters and signs as the ASCII ones that the field reads: what typing gives with the input
// method off.
EMSCRIPTEN_KEEPALIVE const char* mensorator_ascii(const char* text) {
  return Returned(FoldToAscii(text));
}

// The active-field register, for the browser tests' dumps.
EMSCRIPTEN_KEEPALIVE int mensorator_active_field() { return g_activeField; }
}
