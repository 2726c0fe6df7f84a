// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// mensorator.html's program: the pages in WebAssembly and the few C functions through which
// the page's script shows them. The script lays the window out from mensorator_window(),
// starts the pages, tells them of focus and of the user's edits, and is told of every text
// they write, at once and nested as the writes happen.
#include <emscripten.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/web/window_description.h"
#include "fields/active_field.h"
#include "pages/converter_pages.h"
#include "res/translations.h"

// Shows `text` (UTF-8, `length` bytes) in edit field `controlId` of the page's window.
EM_JS(void, ShowFieldText, (int controlId, const char* text, int length),
      { Module.showFieldText(controlId, UTF8ToString(text, length)); });

namespace {

class PageView final : public FieldObserver {
 public:
  void OnFieldWritten(int controlId, std::string_view text) override {
    ShowFieldText(controlId, text.data(), static_cast<int>(text.size()));
  }
};

// The program's one window. The view is declared first so that it outlives the pages that
// tell it of their writes.
struct WebWindow {
  PageView view;
  ConverterPages pages;
};

WebWindow g_window;

// The language the page shows, chosen by mensorator_window().
std::string_view g_language = kSourceLanguage;

}  // namespace

extern "C" {

// Chooses the language for a user who prefers `languages` (UTF-8 language tags, one a line,
// most preferred first, as navigator.languages gives them) and returns the window's
// description in it (see DescribeWindow), valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* mensorator_window(const char* languages) {
  std::vector<std::string> preferred;
  std::string_view rest = languages;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    if (end > 0) preferred.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  g_language = ChooseLanguage(preferred);
  static std::string description;
  description = DescribeWindow(g_window.pages, g_language);
  return description.c_str();
}

// `source` (UTF-8, zero-terminated) in the chosen language, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* mensorator_translate(const char* source) {
  static std::string translation;
  translation = Translate(g_language, source);
  return translation.c_str();
}

// The layout of template `dialog` (numbered as WindowDialogs numbers them) in JSON (see
// DescribeLayout), given each control's text width in `labelPixels` (`count` values) and the
// font's average character width `baseX`; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* mensorator_layout(int dialog, const int* labelPixels, int count,
                                                   int baseX) {
  static std::string layout;
  const std::vector<const DialogTemplate*> dialogs = WindowDialogs(g_window.pages);
  if (dialog < 0 || static_cast<std::size_t>(dialog) >= dialogs.size()) return "";
  layout = DescribeLayout(*dialogs[static_cast<std::size_t>(dialog)],
                          std::span(labelPixels, count < 0 ? 0 : static_cast<std::size_t>(count)),
                          baseX);
  return layout.c_str();
}

// Creates the pages, as the main window does when it starts, then shows every field's text,
// the ones no start-up write touched included. Call once, after the fields exist.
EMSCRIPTEN_KEEPALIVE void mensorator_start() {
  for (CFieldPage* page : g_window.pages.All()) page->SetObserver(&g_window.view);
  g_window.pages.Create();
  for (CFieldPage* page : g_window.pages.All())
    for (const ControlTemplate& control : page->Template().controls)
      if (page->HasField(control.id))
        g_window.view.OnFieldWritten(control.id, page->FieldText(control.id));
}

// Edit field `controlId` gained the keyboard focus.
EMSCRIPTEN_KEEPALIVE void mensorator_focus(int controlId) {
  if (CFieldPage* page = g_window.pages.PageOf(controlId)) page->OnFieldFocused(controlId);
}

// The user changed edit field `controlId` to `text` (UTF-8, zero-terminated).
EMSCRIPTEN_KEEPALIVE void mensorator_edit(int controlId, const char* text) {
  if (CFieldPage* page = g_window.pages.PageOf(controlId)) page->OnFieldEdited(controlId, text);
}

// The active-field register, for the browser tests' dumps.
EMSCRIPTEN_KEEPALIVE int mensorator_active_field() { return g_activeField; }
}
