// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/converter_dlg.h"

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

#include "app/win32/about_dlg.h"
#include "app/win32/wide_text.h"
#include "res/resource.h"

namespace {

// The commands of the window's keys: this number plus the WindowCommand's.
constexpr WORD kFirstKeyCommand = 0x0020;

// The virtual key of each Key, in the order of its enumerators.
constexpr WORD kVirtualKeys[] = {VK_F1, VK_TAB, VK_NEXT, VK_PRIOR};

// The window's keys as an accelerator table, which answers them wherever the focus is.
HACCEL CreateWindowKeys() {
  std::vector<ACCEL> keys;
  for (const KeyBinding& binding : kWindowKeys) {
    const BYTE control = (binding.modifiers & kCtrl) != 0 ? FCONTROL : 0;
    const BYTE shift = (binding.modifiers & kShift) != 0 ? FSHIFT : 0;
    const BYTE alt = (binding.modifiers & kAlt) != 0 ? FALT : 0;
    keys.push_back({static_cast<BYTE>(FVIRTKEY | control | shift | alt),
                    kVirtualKeys[static_cast<int>(binding.key)],
                    static_cast<WORD>(kFirstKeyCommand + static_cast<WORD>(binding.command))});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// The command of a WM_COMMAND identifier, if it is one of the window's.
std::optional<WindowCommand> CommandOf(WORD id) {
  if (id == IDOK) return WindowCommand::OK;
  if (id == IDCANCEL) return WindowCommand::Cancel;
  if (id >= kFirstKeyCommand && id <= kFirstKeyCommand + static_cast<WORD>(WindowCommand::Cancel))
    return static_cast<WindowCommand>(id - kFirstKeyCommand);
  return std::nullopt;
}

}  // namespace

CConverterDlg::CConverterDlg()
    : m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_keys(CreateWindowKeys()) {
  for (CFieldPage* page : m_pages.All())
    m_pageWindows.push_back(std::make_unique<CPageWindow>(*page));
}

CConverterDlg::~CConverterDlg() {
  if (m_hwnd != nullptr) DestroyWindow(m_hwnd);
  DestroyAcceleratorTable(m_keys);
}

INT_PTR CConverterDlg::DoModal() {
  CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr,
                     DialogProc, reinterpret_cast<LPARAM>(this));
  MSG msg;
  while (!m_ended) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    if (!PreTranslateMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  DestroyWindow(m_hwnd);
  m_hwnd = nullptr;
  return IDCANCEL;
}

bool CConverterDlg::PreTranslateMessage(MSG& msg) {
  if (TranslateAcceleratorW(m_hwnd, m_keys, &msg) != 0) return true;
  for (const auto& page : m_pageWindows) {
    const HWND pageHwnd = page->Hwnd();
    if (msg.hwnd == pageHwnd || IsChild(pageHwnd, msg.hwnd))
      return IsDialogMessageW(pageHwnd, &msg) != FALSE;
  }
  return IsDialogMessageW(m_hwnd, &msg) != FALSE;
}

INT_PTR CALLBACK CConverterDlg::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CConverterDlg*>(lParam);
    self->m_hwnd = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return self->OnInitDialog();
  }
  auto* self = reinterpret_cast<CConverterDlg*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return self == nullptr ? FALSE : self->OnMessage(message, wParam, lParam);
}

INT_PTR CConverterDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
      return OnPaint();
    case WM_QUERYDRAGICON:
      // One of the messages whose result a dialog procedure returns directly.
      return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom != IDC_TAB || header->code != TCN_SELCHANGE) return FALSE;
      OnSelchangeTab();
      SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, 0);
      return TRUE;
    }
    case WM_COMMAND:
      // A page passes its own Cancel on with itself as the sender; the window's own commands
      // (its keys, Enter and Escape outside the pages, the close box) come from no control.
      if (const auto command = CommandOf(LOWORD(wParam)))
        React(m_behaviour.OnCommand(*command, lParam != 0));
      return TRUE;
    case WM_GETDPISCALEDSIZE:
      return AnswerDpiScaledSize(m_hwnd, DescribeWindowAt(m_pages, static_cast<UINT>(wParam)).main,
                                 wParam, lParam);
    case WM_DPICHANGED:
      LayOut(DescribeWindowAt(m_pages, LOWORD(wParam)), LOWORD(wParam),
             reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CConverterDlg::OnInitDialog() {
  const UINT dpi = GetDpiForWindow(m_hwnd);
  const WindowView view = DescribeWindowAt(m_pages, dpi);
  m_tab = GetDlgItem(m_hwnd, IDC_TAB);
  AddAboutBoxEntry(view.aboutEntry);
  // One icon at the system's standard size serves as both; the small one is scaled from it.
  SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  InsertTabs(view);
  for (const auto& page : m_pageWindows) page->Create(m_hwnd);
  m_pages.Create();
  LayOut(view, dpi);
  // The first page shows, and its first field takes the focus, so that typing can start at
  // once and the Tab key moves through the page. Focus alone converts nothing.
  React({.pagesChanged = true, .focus = FocusMove::FirstFieldOfSelectedPage});
  return FALSE;
}

void CConverterDlg::AddAboutBoxEntry(std::string_view text) {
  const HMENU systemMenu = GetSystemMenu(m_hwnd, FALSE);
  if (systemMenu == nullptr || text.empty()) return;
  AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, WideFromNarrow(text).c_str());
}

void CConverterDlg::InsertTabs(const WindowView& view) {
  for (std::size_t i = 0; i < view.tabs.size(); ++i) {
    std::wstring text = WideFromNarrow(view.tabs[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(m_tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void CConverterDlg::LayOut(const WindowView& view, UINT dpi, const RECT* suggested) {
  for (std::size_t i = 0; i < m_pageWindows.size(); ++i)
    m_pageWindows[i]->LayOut(view.pages[i], dpi);
  m_layout.ApplyToWindow(m_hwnd, view.main, dpi, suggested);
  PlacePages();
}

void CConverterDlg::PlacePages() {
  RECT area;
  GetWindowRect(m_tab, &area);
  MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(m_tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (const auto& page : m_pageWindows)
    MoveWindow(page->Hwnd(), area.left, area.top, area.right - area.left, area.bottom - area.top,
               TRUE);
}

bool CConverterDlg::OnSysCommand(UINT nID) {
  // The system uses the low four bits of a command itself.
  if ((nID & 0xFFF0) != IDM_ABOUTBOX) return false;
  React(m_behaviour.OnCommand(WindowCommand::AboutBox, false));
  return true;
}

bool CConverterDlg::OnPaint() {
  if (!IsIconic(m_hwnd)) return false;
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(m_hwnd, &paint);
  SendMessageW(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(m_hwnd, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
  EndPaint(m_hwnd, &paint);
  return true;
}

void CConverterDlg::OnSelchangeTab() {
  const auto selected = SendMessageW(m_tab, TCM_GETCURSEL, 0, 0);
  React(m_behaviour.OnTabSelected(static_cast<std::size_t>(selected)));
}

void CConverterDlg::React(const WindowReaction& reaction) {
  if (reaction.pagesChanged) {
    SendMessageW(m_tab, TCM_SETCURSEL, m_behaviour.SelectedPage(), 0);
    for (std::size_t i = 0; i < m_pageWindows.size(); ++i)
      ShowWindow(m_pageWindows[i]->Hwnd(), m_behaviour.PageVisible(i) ? SW_SHOW : SW_HIDE);
  }
  if (reaction.focus == FocusMove::FirstFieldOfSelectedPage) {
    const HWND page = m_pageWindows[m_behaviour.SelectedPage()]->Hwnd();
    const HWND field = GetNextDlgTabItem(page, nullptr, FALSE);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);  // as the Tab key leaves it: typing replaces
  } else if (reaction.focus == FocusMove::TabStrip) {
    SetFocus(m_tab);
  }
  if (reaction.openAboutBox) CAboutDlg(m_pages).DoModal(m_hwnd);
  if (reaction.end) m_ended = true;
}
