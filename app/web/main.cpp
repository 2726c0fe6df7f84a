// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// mensorator.html's program: the pages in WebAssembly and the few C functions through which
// the page's script shows them. The script lays the window out from mensorator_window(),
// starts the pages, tells them of focus and of the user's edits, and is told of every text
// they write, at once and nested as the writes happen.
#include <emscripten.h>

#include <string>
#include <string_view>

#include "app/web/window_description.h"
#include "fields/active_field.h"
#include "pages/converter_pages.h"

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

}  // namespace

extern "C" {

// The window's description in JSON (see DescribeWindow), valid while the program runs.
EMSCRIPTEN_KEEPALIVE const char* mensorator_window() {
  static const std::string description = DescribeWindow(g_window.pages);
  return description.c_str();
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
