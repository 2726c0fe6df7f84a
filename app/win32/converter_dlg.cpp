// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/converter_dlg.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "app/win32/about_dlg.h"
#include "app/win32/center_window.h"
#include "app/win32/translation.h"
#include "app/win32/wide_text.h"
#include "res/dialog_template.h"
#include "res/resource.h"
#include "res/strings.h"

namespace {

// Commands of the window's keys besides IDM_ABOUTBOX.
constexpr WORD kIdNextPage = 0x0020;
constexpr WORD kIdPreviousPage = 0x0021;

// The window's keys, wherever the focus is in it: the property sheet's keys for the pages.
constexpr ACCEL kKeys[] = {
    {FVIRTKEY, VK_F1, IDM_ABOUTBOX},
    {FVIRTKEY | FCONTROL, VK_TAB, kIdNextPage},
    {FVIRTKEY | FCONTROL, VK_NEXT, kIdNextPage},
    {FVIRTKEY | FCONTROL | FSHIFT, VK_TAB, kIdPreviousPage},
    {FVIRTKEY | FCONTROL, VK_PRIOR, kIdPreviousPage},
};

}  // namespace

CConverterDlg::CConverterDlg()
    : m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_keys(CreateAcceleratorTableW(const_cast<ACCEL*>(kKeys), std::size(kKeys))) {
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
      switch (LOWORD(wParam)) {
        case IDOK:
          OnOK();
          break;
        case IDCANCEL:
          OnCancel();
          break;
        case IDM_ABOUTBOX:
          OnAboutBox();
          break;
        case kIdNextPage:
          SelectPage(1);
          break;
        case kIdPreviousPage:
          SelectPage(-1);
          break;
      }
      return TRUE;
    case WM_GETDPISCALEDSIZE:
      return AnswerDpiScaledSize(m_hwnd, kMainDialogTemplate, wParam, lParam,
                                 m_layout.ExtraWidth());
    case WM_DPICHANGED:
      LayOut(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

BOOL CConverterDlg::OnInitDialog() {
  m_tab = GetDlgItem(m_hwnd, IDC_TAB);
  AddAboutBoxEntry();
  // One icon at the system's standard size serves as both; the small one is scaled from it.
  SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageW(m_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  InsertTabs();
  for (const auto& page : m_pageWindows) page->Create(m_hwnd, m_tab);
  m_pages.Create();
  LayOut(GetDpiForWindow(m_hwnd));
  CenterWindow(m_hwnd);
  OnSelchangeTab();
  // The first field takes the focus, so that typing can start at once and the Tab key moves
  // through the page. Focus alone converts nothing.
  FocusFirstField(m_pageWindows.front()->Hwnd());
  return FALSE;
}

void CConverterDlg::AddAboutBoxEntry() {
  const HMENU systemMenu = GetSystemMenu(m_hwnd, FALSE);
  if (systemMenu == nullptr) return;
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW points at the text in the resource itself.
  const int length =
      LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0) return;
  const std::wstring entry = Tr(std::wstring_view(text, static_cast<std::size_t>(length)));
  AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, entry.c_str());
}

void CConverterDlg::InsertTabs() {
  for (std::size_t i = 0; i < ConverterPages::kCount; ++i) {
    // The texts are Shift JIS bytes; decoding them by name, not by the ANSI code page, shows
    // them right on every Windows.
    std::wstring text = Tr(WideFromNarrow(kTabTextsCp932[i], kShiftJisCodePage));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(m_tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
}

void CConverterDlg::LayOut(UINT dpi, const RECT* suggested) {
  // The pages first: the tab control and the window widen for the widest.
  int wider = 0;
  for (const auto& page : m_pageWindows) {
    page->LayOut(dpi);
    wider = std::max(wider, page->ExtraWidth());
  }
  m_layout.ApplyToWindow(m_hwnd, kMainDialogTemplate, dpi, suggested, wider);
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
  OnAboutBox();
  return true;
}

void CConverterDlg::OnAboutBox() { CAboutDlg().DoModal(m_hwnd); }

void CConverterDlg::SelectPage(int step) {
  const auto count = static_cast<int>(m_pageWindows.size());
  const auto selected = static_cast<int>(SendMessageW(m_tab, TCM_GETCURSEL, 0, 0));
  const int next = ((selected + step) % count + count) % count;
  SendMessageW(m_tab, TCM_SETCURSEL, next, 0);
  OnSelchangeTab();
  FocusFirstField(m_pageWindows[next]->Hwnd());
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
  if (selected < 0 || static_cast<std::size_t>(selected) >= m_pageWindows.size()) return;
  for (std::size_t i = 0; i < m_pageWindows.size(); ++i)
    ShowWindow(m_pageWindows[i]->Hwnd(),
               i == static_cast<std::size_t>(selected) ? SW_SHOW : SW_HIDE);
}

void CConverterDlg::FocusFirstField(HWND page) {
  const HWND field = GetNextDlgTabItem(page, nullptr, FALSE);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);  // as the Tab key leaves it: typing replaces
}

void CConverterDlg::OnCancel() { m_ended = true; }
