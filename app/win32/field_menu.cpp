// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/field_menu.h"

#include <cstring>
#include <cwchar>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/dialog_layout.h"
#include "app/win32/wide_text.h"
#include "app/window/language.h"
#include "notations/field_notations.h"
#include "res/strings.h"

namespace {

// The menu's command identifiers: the standard entries from 1, in the order of
// kEditMenuTexts, then one range for each submenu.
constexpr UINT kFirstEditCommand = 1;
constexpr UINT kFirstCopyAs = 0x100;
constexpr UINT kFirstPasteAs = 0x200;

// What each standard entry sends to the control, in the order of kEditMenuTexts.
struct EditCommand {
  UINT message;
  LPARAM lParam;
};
constexpr EditCommand kEditCommands[] = {
    {EM_UNDO, 0}, {WM_CUT, 0}, {WM_COPY, 0}, {WM_PASTE, 0}, {WM_CLEAR, 0}, {EM_SETSEL, -1},
};
static_assert(std::size(kEditCommands) == std::size(kEditMenuTexts));

// Whether each standard entry can act on `edit` now, in the order of kEditMenuTexts.
std::vector<bool> EditCommandsEnabled(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selection = start != end;
  const bool writable = (GetWindowLongW(edit, GWL_STYLE) & ES_READONLY) == 0;
  const bool all = start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(edit));
  return {writable && SendMessageW(edit, EM_CANUNDO, 0, 0) != 0,
          writable && selection,
          selection,
          writable && IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE,
          writable && selection,
          !all};
}

// `text` as a menu shows it: "&" as itself, one line.
std::wstring MenuText(std::string_view text) {
  std::wstring shown;
  for (wchar_t c : WideFromNarrow(text)) {
    if (c == L'&') shown += L'&';
    shown += c == L'\n' ? L' ' : c;
  }
  return shown;
}

void AppendEntry(HMENU menu, UINT command, const std::wstring& text, bool enabled) {
  AppendMenuW(menu, MF_STRING | (enabled ? 0 : MF_GRAYED), command, text.c_str());
}

void AppendSubmenu(HMENU menu, HMENU submenu, std::string_view text) {
  const bool empty = GetMenuItemCount(submenu) == 0;
  AppendMenuW(menu, MF_POPUP | (empty ? MF_GRAYED : 0), reinterpret_cast<UINT_PTR>(submenu),
              WideFromNarrow(text).c_str());
}

// `text` with its line breaks as the Windows clipboard has them, CR LF.
std::wstring WithCrLf(std::string_view text) {
  std::wstring wide;
  for (wchar_t c : WideFromNarrow(text)) {
    if (c == L'\n') wide += L'\r';
    wide += c;
  }
  return wide;
}

void PutOnClipboard(HWND owner, std::string_view text) {
  const std::wstring wide = WithCrLf(text);
  if (OpenClipboard(owner) == FALSE) return;
  EmptyClipboard();
  const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

// The clipboard's text, its line breaks as "\n"; empty where it holds none. Another program
// put it there, so it is read only within the memory it gave, ended or not.
std::string ClipboardText(HWND owner) {
  if (OpenClipboard(owner) == FALSE) return {};
  std::wstring wide;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      wide.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  std::erase(wide, L'\r');
  return Utf8FromWide(wide);
}

// Replaces the whole text of `edit`, field `controlId`, with the clipboard read in
// `notation`, or says why it does not.
void PasteAsInto(HWND edit, int controlId, Notation notation) {
  const PasteAsResult result = PasteAs(controlId, notation, ClipboardText(edit));
  const HWND window = GetAncestor(edit, GA_ROOT);
  if (!result.fieldText) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
    GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()) + 1);
    MessageBoxW(window, WideFromNarrow(Translate(UserLanguage(), result.message)).c_str(),
                caption.c_str(), MB_OK | MB_ICONINFORMATION);
    return;
  }
  // The page acts on the active field only: the one with the focus.
  SetFocus(edit);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_REPLACESEL, TRUE,
               reinterpret_cast<LPARAM>(WideFromNarrow(*result.fieldText).c_str()));
}

}  // namespace

void ShowFieldMenu(HWND edit, int controlId, std::string_view fieldText, POINT at) {
  // As the control's own menu does: the field a menu acts on is the focused one.
  if (GetFocus() != edit) SetFocus(edit);
  if (at.x == -1 && at.y == -1) {
    RECT field;
    GetWindowRect(edit, &field);
    at = {(field.left + field.right) / 2, (field.top + field.bottom) / 2};
  }
  const std::string_view language = UserLanguage();

  const HMENU menu = CreatePopupMenu();
  const std::vector<bool> enabled = EditCommandsEnabled(edit);
  for (UINT i = 0; i < std::size(kEditMenuTexts); ++i) {
    if (i == 1 || i == 5) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendEntry(menu, kFirstEditCommand + i, WideFromNarrow(Translate(language, kEditMenuTexts[i])),
                enabled[i]);
  }
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);

  const std::vector<CopyAsEntry> copyAs = CopyAsEntries(controlId, fieldText);
  const HMENU copyMenu = CreatePopupMenu();
  for (UINT i = 0; i < copyAs.size(); ++i) {
    std::wstring text = MenuText(Translate(language, copyAs[i].info.label));
    if (copyAs[i].text) text += L'\t' + MenuText(*copyAs[i].text);
    AppendEntry(copyMenu, kFirstCopyAs + i, text, copyAs[i].text.has_value());
  }
  AppendSubmenu(menu, copyMenu, Translate(language, kCopyAsMenuText));

  const std::vector<NotationInfo> pasteAs = PasteAsEntries(controlId);
  const HMENU pasteMenu = CreatePopupMenu();
  for (UINT i = 0; i < pasteAs.size(); ++i)
    AppendEntry(pasteMenu, kFirstPasteAs + i, MenuText(Translate(language, pasteAs[i].label)),
                true);
  AppendSubmenu(menu, pasteMenu, Translate(language, kPasteAsMenuText));

  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
  DestroyMenu(menu);  // with its submenus

  if (command >= kFirstPasteAs && command < kFirstPasteAs + pasteAs.size()) {
    PasteAsInto(edit, controlId, pasteAs[command - kFirstPasteAs].notation);
  } else if (command >= kFirstCopyAs && command < kFirstCopyAs + copyAs.size()) {
    PutOnClipboard(edit, *copyAs[command - kFirstCopyAs].text);
  } else if (command >= kFirstEditCommand &&
             command < kFirstEditCommand + std::size(kEditCommands)) {
    const EditCommand& editCommand = kEditCommands[command - kFirstEditCommand];
    SendMessageW(edit, editCommand.message, 0, editCommand.lParam);
  }
}
