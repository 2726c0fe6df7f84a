// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// mensorator-win32-test [DPI]: opens the program's real main window and uses it as a person
// would: by window messages, focuses fields, types keys, clicks tabs, opens the About box from
// the window menu, presses Enter and Escape; then by real keyboard input (SendInput, through
// the system's input queue), the keys that switch pages, open the About box and end the
// program. It reads every field back and checks the compiled resources first. A second run of
// the window checks its layout at the screen's DPI, which must be DPI (96 by default), and
// after a change to twice that, then presses the close box. Exit status 0 when every check
// holds.
//
// Usage: mensorator-win32-test [DPI] [LANGUAGE]: LANGUAGE is the language the window must
// speak, "ja" (the default) or "en", which the test's environment chooses for wine.
//
// Each session runs in steps from a timer while the window's own modal loop runs, so keys
// sent in one step have gone through that loop (and its dialog-key routing) by the next.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/win32/converter_app.h"
#include "app/win32/dialog_font.h"
#include "fields/active_field.h"
#include "mensorator_version.h"
#include "notations/field_notations.h"
#include "res/resource.h"
#include "tests/win32/check.h"
#include "tests/win32/layout_check.h"
#include "tests/win32/resource_check.h"

namespace {

Checker check;
bool g_english = false;

// The text shown in the language of the run.
std::wstring_view Shown(std::wstring_view japanese, std::wstring_view english) {
  return g_english ? english : japanese;
}

HWND MainWindow() { return FindWindowW(L"#32770", L"Mensorator"); }
HWND Tab() { return GetDlgItem(MainWindow(), IDC_TAB); }
HWND AboutBox() {
  return FindWindowW(L"#32770", Shown(L"Mensoratorのﾊﾞｰｼﾞｮﾝ情報", L"About Mensorator").data());
}

// The page window that holds the control `controlId`.
HWND PageOf(int controlId) {
  for (HWND page = FindWindowExW(MainWindow(), nullptr, L"#32770", nullptr); page != nullptr;
       page = FindWindowExW(MainWindow(), page, L"#32770", nullptr))
    if (GetDlgItem(page, controlId) != nullptr) return page;
  return nullptr;
}
HWND Field(int controlId) { return GetDlgItem(PageOf(controlId), controlId); }
HWND FirstPage() { return PageOf(IDC_HEX); }
HWND SecondPage() { return PageOf(IDC_START_X); }

std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
  return text;
}

// Every field of both pages, by control identifier.
std::map<int, std::wstring> AllFields() {
  std::map<int, std::wstring> texts;
  for (const ActiveFieldInfo& field : kActiveFields)
    texts[field.controlId] = Text(Field(field.controlId));
  return texts;
}

// Clicks into the field, selects its whole text and types `keys` over it, one WM_CHAR each.
void TypeOver(int controlId, std::wstring_view keys) {
  const HWND field = Field(controlId);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
  for (wchar_t key : keys) SendMessageW(field, WM_CHAR, key, 1);
}

void PostKey(HWND target, WPARAM key) { PostMessageW(target, WM_KEYDOWN, key, 1); }

void ClickTab(int index) {
  RECT item;
  SendMessageW(Tab(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  PostMessageW(Tab(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(Tab(), WM_LBUTTONUP, 0, point);
}

void CheckShownPage(HWND shown, HWND hidden) {
  check.That(IsWindowVisible(shown) && !IsWindowVisible(hidden), "one page shown, one hidden");
}

void CheckPagesCoverTabArea() {
  RECT area;
  GetWindowRect(Tab(), &area);
  MapWindowPoints(nullptr, MainWindow(), reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(Tab(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (HWND page : {FirstPage(), SecondPage()}) {
    RECT placed;
    GetWindowRect(page, &placed);
    MapWindowPoints(nullptr, MainWindow(), reinterpret_cast<POINT*>(&placed), 2);
    check.That(EqualRect(&placed, &area), "page covers the tab's display area");
  }
}

INPUT KeyInput(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return input;
}

// Presses the keys of `chord` in order and releases them in reverse, as real keyboard input
// that reaches the focused window through the system's input queue.
void Press(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) inputs.push_back(KeyInput(key, 0));
  for (auto key = std::rbegin(chord); key != std::rend(chord); ++key)
    inputs.push_back(KeyInput(*key, KEYEVENTF_KEYUP));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types digits as real key presses (a digit's virtual key is the digit itself).
void TypeDigits(std::wstring_view digits) {
  for (wchar_t digit : digits) Press({static_cast<WORD>(digit)});
}

struct Typing {
  int controlId;
  std::wstring_view keys;
};

// A user's typing and what the fields then show: that typed texts reach the page and the
// page's writes reach the fields, the caret after a rewrite included (the conversions
// themselves are the golden scripts'); "\b" is the Backspace key.
struct SessionRow {
  const char* name;
  std::vector<Typing> typing;
  std::vector<std::pair<int, std::wstring_view>> expected;
};

const std::vector<SessionRow> kFirstPageRows = {
    {"decimal 255",
     {{IDC_DEC, L"255"}},
     {{IDC_HEX, L"ff"}, {IDC_OCT, L"377"}, {IDC_BIN, L"11111111"}}},
    // The reduction leaves the caret after the new text, so Backspace takes its last digit.
    {"key after a reduction lands at the end",
     {{IDC_DEGREE, L"450\b"}},
     {{IDC_DEGREE, L"90.0000"}, {IDC_GRAD, L"100.00000"}, {IDC_TAN, L"No Value"}}},
};

const std::vector<SessionRow> kSecondPageRows = {
    {"end point 3, 4",
     {{IDC_END_X, L"3"}, {IDC_END_Y, L"4"}},
     {{IDC_DISTANCE, L"5.000000"}, {IDC_XY_ANGLE, L"36.869892"}}},
};

void RunRows(const std::vector<SessionRow>& rows) {
  for (const SessionRow& row : rows) {
    check.Case(row.name);
    for (const Typing& typing : row.typing) TypeOver(typing.controlId, typing.keys);
    for (const auto& [controlId, text] : row.expected)
      check.Equal(Text(Field(controlId)), text, "field " + std::to_string(controlId));
  }
}

// Whether `text` holds kana, CJK ideographs or full-width forms. (An icon control's text is
// its resource ordinal, U+FFFF and the number.)
bool HasJapanese(std::wstring_view text) {
  return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x3000 && c < 0xFFF0; });
}

// In an English run no window text under `window`, nor its own, is left in Japanese.
void CheckNoJapaneseInEnglish(HWND window) {
  if (!g_english) return;
  check.That(!HasJapanese(Text(window)), "English caption");
  EnumChildWindows(
      window,
      [](HWND child, LPARAM) {
        const std::wstring text = Text(child);
        check.That(!HasJapanese(text), "English text: " + Utf8FromWide(text));
        return TRUE;
      },
      0);
}

void CheckStart() {
  check.Case("start");
  check.That(MainWindow() != nullptr, "main window open");
  check.Equal(SendMessageW(Tab(), TCM_GETCURSEL, 0, 0), 0, "selected tab");
  CheckShownPage(FirstPage(), SecondPage());
  CheckPagesCoverTabArea();
  for (const auto& [controlId, text] : AllFields())
    check.Equal(text, controlId == IDC_COS ? L"1" : L"0", "initial text");
  check.That(GetFocus() == Field(IDC_HEX), "first field focused");
  check.Equal(g_activeField, AF_HEX, "first field active");

  check.Case("tab texts");
  // Whatever the ANSI code page of this Windows (the Japanese run has one that is not
  // Japanese).
  const std::wstring_view expected[] = {Shown(L"基数変換・角度単位関連", L"Numbers and Angles"),
                                        Shown(L"距離・角度", L"Distance and Angle")};
  check.Equal(SendMessageW(Tab(), TCM_GETITEMCOUNT, 0, 0), 2, "tab count");
  for (int i = 0; i < 2; ++i) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(Tab(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    check.Equal(text, expected[i], "tab " + std::to_string(i));
  }

  check.Case("window menu and icon");
  const HMENU menu = GetSystemMenu(MainWindow(), FALSE);
  const int count = GetMenuItemCount(menu);
  MENUITEMINFOW separator{};
  separator.cbSize = sizeof separator;
  separator.fMask = MIIM_FTYPE;
  GetMenuItemInfoW(menu, count - 2, TRUE, &separator);
  check.That((separator.fType & MFT_SEPARATOR) != 0, "separator before the last entry");
  check.Equal(GetMenuItemID(menu, count - 1), IDM_ABOUTBOX, "last entry's command");
  wchar_t entry[64] = {};
  GetMenuStringW(menu, count - 1, entry, 64, MF_BYPOSITION);
  check.Equal(entry, Shown(L"Mensorator のﾊﾞｰｼﾞｮﾝ情報(&A)...", L"&About Mensorator..."),
              "last entry's text");
  check.That(FindWindowExW(FirstPage(), nullptr, L"Static",
                           Shown(L"１６進数", L"Hexadecimal").data()) != nullptr,
             "hexadecimal field's label");
  CheckNoJapaneseInEnglish(MainWindow());
  const LRESULT big = SendMessageW(MainWindow(), WM_GETICON, ICON_BIG, 0);
  check.That(big != 0, "big icon set");
  check.Equal(SendMessageW(MainWindow(), WM_GETICON, ICON_SMALL, 0), big, "small icon");
  check.Equal(SendMessageW(MainWindow(), WM_QUERYDRAGICON, 0, 0), big, "drag icon");
}

std::map<int, std::wstring> g_fieldsBefore;

using Steps = std::vector<std::function<void()>>;

// The steps of the first session, one per timer tick.
const Steps kSteps = {
    [] {
      CheckStart();
      RunRows(kFirstPageRows);
      g_fieldsBefore = AllFields();
      SetFocus(Field(IDC_DEC));
      PostKey(Field(IDC_DEC), VK_RETURN);
    },
    [] {
      check.Case("Enter in a page");
      check.That(MainWindow() != nullptr, "window still open");
      CheckShownPage(FirstPage(), SecondPage());
      check.That(AllFields() == g_fieldsBefore, "fields unchanged");
      SetFocus(Tab());
      PostKey(Tab(), VK_RETURN);
    },
    [] {
      check.Case("Enter outside the pages");
      check.That(MainWindow() != nullptr, "window still open");
      PostMessageW(MainWindow(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    },
    [] {  // runs inside the About box's modal loop
      check.Case("About box");
      const HWND about = AboutBox();
      check.That(about != nullptr, "open");
      CheckNoJapaneseInEnglish(about);
      check.That(GetWindow(about, GW_OWNER) == MainWindow(), "owned by the main window");
      check.That(!IsWindowEnabled(MainWindow()), "main window disabled while it is open");
      check.That(FindWindowExW(about, nullptr, L"Static", L"" MENSORATOR_VERSION_TEXT) != nullptr,
                 "version text");
      PostKey(GetFocus(), VK_ESCAPE);
    },
    [] {
      check.Case("About box closed");
      check.That(AboutBox() == nullptr, "closed");
      check.That(MainWindow() != nullptr && IsWindowEnabled(MainWindow()), "window usable");
      SetFocus(Field(IDC_DEC));
      ClickTab(1);
    },
    [] {
      check.Case("second tab");
      check.Equal(SendMessageW(Tab(), TCM_GETCURSEL, 0, 0), 1, "selected tab");
      CheckShownPage(SecondPage(), FirstPage());
      check.Equal(g_activeField, AF_DEC, "first page's field still active");
      RunRows(kSecondPageRows);
      ClickTab(0);
    },
    [] {
      check.Case("back to the first tab");
      CheckShownPage(FirstPage(), SecondPage());
      const std::map<int, std::wstring> now = AllFields();
      for (const auto& [controlId, text] : g_fieldsBefore)
        if (PageOf(controlId) == FirstPage())
          check.Equal(now.at(controlId), text, "field " + std::to_string(controlId));
      SetFocus(Field(IDC_DEC));
      PostKey(Field(IDC_DEC), VK_ESCAPE);
    },
    [] {
      check.Case("Escape in a page");
      check.That(MainWindow() != nullptr, "window still open");
      check.That(!IsWindowVisible(FirstPage()) && !IsWindowVisible(SecondPage()),
                 "the page is hidden, nothing shown under the tabs");
      ClickTab(1);
      ClickTab(0);
    },
    [] {
      check.Case("hidden page shown again");
      CheckShownPage(FirstPage(), SecondPage());
      check.Equal(Text(Field(IDC_DEGREE)), L"90.0000", "fields as they were");
      // From here on real keys. Escape hides the page; the 7 typed after it must go nowhere.
      SetForegroundWindow(MainWindow());
      SetFocus(Field(IDC_OCT));
      SendMessageW(Field(IDC_OCT), EM_SETSEL, 0, -1);
      TypeDigits(L"17");
      Press({VK_ESCAPE});
      TypeDigits(L"7");
    },
    [] {
      check.Case("Escape gives the focus to the tabs");
      check.That(MainWindow() != nullptr, "window still open");
      check.That(!IsWindowVisible(FirstPage()), "page hidden");
      check.That(GetFocus() == Tab(), "tabs focused");
      check.Equal(Text(Field(IDC_OCT)), L"17", "octal as typed before Escape");
      check.Equal(Text(Field(IDC_HEX)), L"f", "hexadecimal");
    },
};

// A key that selects a page from anywhere in the window (the first from the tabs, the others
// from the field the one before focused), and where it leads.
struct PageKeyRow {
  const char* name;
  std::initializer_list<WORD> chord;
  int tab;
  int focusedField;
};

const PageKeyRow kPageKeyRows[] = {
    {"Ctrl+Tab", {VK_CONTROL, VK_TAB}, 1, IDC_START_X},
    // The first page, which Escape hid, comes back.
    {"Ctrl+Shift+Tab", {VK_CONTROL, VK_SHIFT, VK_TAB}, 0, IDC_HEX},
    {"Ctrl+PageDown", {VK_CONTROL, VK_NEXT}, 1, IDC_START_X},
    {"Ctrl+PageUp", {VK_CONTROL, VK_PRIOR}, 0, IDC_HEX},
};

void SetClipboardText(std::wstring_view text) {
  OpenClipboard(MainWindow());
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
  chars[text.copy(chars, text.size())] = L'\0';
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

std::wstring ClipboardText() {
  OpenClipboard(MainWindow());
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  std::wstring text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data != nullptr) GlobalUnlock(data);
  CloseClipboard();
  return text;
}

// The popup menu open now.
HMENU OpenMenu() {
  return reinterpret_cast<HMENU>(SendMessageW(FindWindowW(L"#32768", nullptr), MN_GETHMENU, 0, 0));
}

std::wstring MenuEntry(HMENU menu, int index) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, index, text, 128, MF_BYPOSITION);
  return text;
}

bool Grayed(HMENU menu, int index) {
  return (GetMenuState(menu, index, MF_BYPOSITION) & MF_GRAYED) != 0;
}

Notation NotationOf(const NotationInfo& entry) { return entry.notation; }
Notation NotationOf(const CopyAsEntry& entry) { return entry.info.notation; }

// The position of `notation` among menu `entries`.
template <class Entries>
int Position(const Entries& entries, Notation notation) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (NotationOf(entries[i]) == notation) return static_cast<int>(i);
  return -1;
}

// The hexadecimal field's context menu, opened by the keyboard with the field's whole text
// selected: its entries, then Paste as colour, whose text reaches every field, and Copy as
// all four bases, one per line as the Windows clipboard has them. No field has an input
// context, so an input method leaves their keys as they are.
const Steps kFieldMenuSteps = {
    [] {
      check.Case("no input method in the fields");
      // Wine gives no window an input context of its own, so there this proves nothing.
      if (ImmGetContext(Tab()) == nullptr) std::printf("note: no input contexts in this Windows\n");
      for (const ActiveFieldInfo& field : kActiveFields)
        check.That(ImmGetContext(Field(field.controlId)) == nullptr,
                   "no input context in field " + std::to_string(field.controlId));
      SetClipboardText(L"#FF8800");
      SetFocus(Field(IDC_HEX));
      SendMessageW(Field(IDC_HEX), EM_SETSEL, 0, -1);
      Press({VK_SHIFT, VK_F10});
    },
    [] {  // runs inside the menu's modal loop
      check.Case("field menu");
      const HMENU menu = OpenMenu();
      check.Equal(GetMenuItemCount(menu), 11, "entries and separators");
      check.Equal(MenuEntry(menu, 3), Shown(L"コピー(&C)", L"&Copy"), "Copy");
      check.That(!Grayed(menu, 3) && Grayed(menu, 7), "Copy enabled, Select All not");
      const HMENU copyAs = GetSubMenu(menu, 9);
      const auto copyEntries = CopyAsEntries(IDC_HEX, "f");
      check.Equal(MenuEntry(menu, 9), Shown(L"表記を選んでコピー(&O)", L"C&opy as"), "Copy as");
      check.Equal(GetMenuItemCount(copyAs), static_cast<int>(copyEntries.size()),
                  "Copy as entries");
      check.Equal(MenuEntry(copyAs, Position(copyEntries, Notation::Color)),
                  Shown(L"色 #RRGGBB\t#00000f", L"Colour #RRGGBB\t#00000f"), "colour entry");
      const std::wstring bases = MenuEntry(copyAs, Position(copyEntries, Notation::AllBases));
      check.Equal(bases.substr(bases.find(L'\t')), L"\t0xf 15 0o17 0b1111", "bases on one line");
      check.Equal(GetMenuItemCount(GetSubMenu(menu, 10)),
                  static_cast<int>(PasteAsEntries(IDC_HEX).size()), "Paste as entries");
      for (HMENU shown : {menu, copyAs, GetSubMenu(menu, 10)})
        for (int i = 0; i < GetMenuItemCount(shown); ++i)
          check.That(!g_english || !HasJapanese(MenuEntry(shown, i)),
                     "English entry: " + Utf8FromWide(MenuEntry(shown, i)));
      // Paste as (its access key), then down to the colour.
      Press({'S'});
      for (int i = 0; i < Position(PasteAsEntries(IDC_HEX), Notation::Color); ++i) Press({VK_DOWN});
      Press({VK_RETURN});
    },
    [] {
      check.Case("Paste as colour");
      check.Equal(Text(Field(IDC_HEX)), L"ff8800", "hexadecimal");
      check.Equal(Text(Field(IDC_DEC)), L"16746496", "decimal");
      check.That(GetFocus() == Field(IDC_HEX), "field focused");
      PostMessageW(Field(IDC_HEX), WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
    },
    [] {  // runs inside the menu's modal loop: Copy as, its last entry, all four bases
      check.That(Position(CopyAsEntries(IDC_HEX, "ff8800"), Notation::AllBases) ==
                     GetMenuItemCount(GetSubMenu(OpenMenu(), 9)) - 1,
                 "all four bases last");
      Press({'O', VK_UP, VK_RETURN});
    },
    [] {
      check.Case("Copy as all four bases");
      check.Equal(ClipboardText(),
                  L"0xff8800\r\n16746496\r\n0o77704000\r\n0b111111111000100000000000", "clipboard");
    },
};

// The first session's keys after the steps above: the page keys row by row, F1, and Escape
// twice, which ends the program.
Steps KeyboardSteps() {
  Steps steps = kSteps;
  for (const PageKeyRow& row : kPageKeyRows) {
    steps.push_back([&row] { Press(row.chord); });
    steps.push_back([&row] {
      check.Case(row.name);
      check.Equal(SendMessageW(Tab(), TCM_GETCURSEL, 0, 0), row.tab, "selected tab");
      const HWND shown = row.tab == 0 ? FirstPage() : SecondPage();
      CheckShownPage(shown, shown == FirstPage() ? SecondPage() : FirstPage());
      check.That(GetFocus() == Field(row.focusedField), "first field focused");
      check.Equal(Text(Field(IDC_OCT)), L"17", "octal kept");
    });
  }
  steps.insert(steps.end(), kFieldMenuSteps.begin(), kFieldMenuSteps.end());
  steps.push_back([] { Press({VK_F1}); });
  steps.push_back([] {  // runs inside the About box's modal loop
    check.Case("F1");
    check.That(AboutBox() != nullptr && GetWindow(AboutBox(), GW_OWNER) == MainWindow(),
               "About box open");
    Press({VK_ESCAPE});
  });
  steps.push_back([] {
    check.Case("Escape twice");
    check.That(AboutBox() == nullptr, "About box closed");
    SetFocus(Field(IDC_START_Y));
    Press({VK_ESCAPE});
    Press({VK_ESCAPE});
  });
  return steps;
}

UINT g_dpi = 96;

SIZE ClientSize(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// Tells `window` it is now on a screen of `dpi`, with the rectangle Windows suggests: the
// same corner, the size scaled.
void ChangeDpi(HWND window, UINT dpi) {
  RECT suggested;
  GetWindowRect(window, &suggested);
  const UINT now = GetDpiForWindow(window);
  suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, now);
  suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, now);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

// Checks `dialog` and the dialogs in it at the screen's DPI, then at twice that and back:
// twice the size, and the first size again.
void CheckLayoutAtDpis(const char* name, HWND dialog) {
  const auto checkAll = [name, dialog](UINT dpi) {
    CheckLayout(check, dialog, dpi);
    for (HWND page = FindWindowExW(dialog, nullptr, L"#32770", nullptr); page != nullptr;
         page = FindWindowExW(dialog, page, L"#32770", nullptr))
      CheckLayout(check, page, dpi);
    const SIZE size = ClientSize(dialog);
    std::printf("%s at %u dpi: client area %ld x %ld, font %s\n", name, dpi, size.cx, size.cy,
                Utf8FromWide(DialogFontFace()).c_str());
  };
  check.Case(std::string(name) + " layout");
  check.Equal(GetDpiForWindow(dialog), g_dpi, "the screen's DPI");
  checkAll(g_dpi);
  const SIZE start = ClientSize(dialog);
  SIZE asked{};
  SendMessageW(dialog, WM_GETDPISCALEDSIZE, 2 * g_dpi, reinterpret_cast<LPARAM>(&asked));
  ChangeDpi(dialog, 2 * g_dpi);
  RECT taken;
  GetWindowRect(dialog, &taken);
  check.That(asked.cx == taken.right - taken.left && asked.cy == taken.bottom - taken.top,
             "the size asked for before the change is the size taken: asked " +
                 std::to_string(asked.cx) + ", took " + std::to_string(taken.right - taken.left));
  checkAll(2 * g_dpi);
  const SIZE twice = ClientSize(dialog);
  // The font's metrics round, so twice the DPI is about twice the size.
  check.That(twice.cx > 1.7 * start.cx && twice.cx < 2.3 * start.cx && twice.cy > 1.7 * start.cy &&
                 twice.cy < 2.3 * start.cy,
             "twice the size at twice the DPI");
  ChangeDpi(dialog, g_dpi);
  const SIZE back = ClientSize(dialog);
  check.That(back.cx == start.cx && back.cy == start.cy, "the first size again");
}

// The second session: the layout of the main window and the About box, then the close box.
const Steps kLayoutSteps = {
    [] {
      CheckLayoutAtDpis("main window", MainWindow());
      CheckPagesCoverTabArea();
      PostMessageW(MainWindow(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    },
    [] {  // runs inside the About box's modal loop
      CheckLayoutAtDpis("About box", AboutBox());
      PostMessageW(AboutBox(), WM_COMMAND, IDOK, 0);
    },
    [] { PostMessageW(MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0); },
};

const Steps* g_steps = nullptr;
std::size_t g_nextStep = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_nextStep < g_steps->size()) (*g_steps)[g_nextStep++]();
}

// Runs the program with `steps` running in it; `how` names the way it ends.
void RunSession(const Steps& steps, const char* how) {
  g_steps = &steps;
  g_nextStep = 0;
  // A thread timer: its ticks are dispatched by whichever modal loop is running.
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunNextStep);
  const bool loopAfterwards = CConverterApp().InitInstance();
  KillTimer(nullptr, timer);

  check.Case(how);
  check.That(!loopAfterwards, "no message loop after the window");
  check.Equal(static_cast<long long>(g_nextStep), static_cast<long long>(steps.size()),
              "steps run before the window closed");
  check.That(MainWindow() == nullptr, "window destroyed");
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "en" || arg == "ja")
      g_english = arg == "en";
    else
      g_dpi = static_cast<UINT>(std::atoi(argv[i]));
  }
  CheckResources(check);
  RunSession(KeyboardSteps(), "Escape twice ends the program");
  RunSession(kLayoutSteps, "close box");
  return check.Finish();
}
