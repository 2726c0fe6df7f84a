// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The main window: a modal dialog whose tab control selects which page is visible. The pages
// are child dialogs over the tab control's display area. The window menu carries the About
// box's entry. It renders the window model at its screen's DPI, and again when that changes,
// and carries out the window's behaviour: the tab strip's selection, the window's keys
// (kWindowKeys, an accelerator table) and the dialog manager's OK and Cancel go to it, and
// the pages shown, the focus, the About box and the end follow its answers.
//
// It holds the pages and their windows and routes dialog keys to the page that has the
// focus; the conversions are the pages' own.
#ifndef MENSORATOR_APP_WIN32_CONVERTER_DLG_H
#define MENSORATOR_APP_WIN32_CONVERTER_DLG_H

#include <windows.h>

#include <memory>
#include <vector>

#include "app/win32/dialog_layout.h"
#include "app/win32/page_window.h"
#include "app/window/window_behaviour.h"
#include "pages/converter_pages.h"

class CConverterDlg {
 public:
  CConverterDlg();
  CConverterDlg(const CConverterDlg&) = delete;
  CConverterDlg& operator=(const CConverterDlg&) = delete;
  ~CConverterDlg();

  // Shows the window and runs it until it is closed; returns IDCANCEL.
  INT_PTR DoModal();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Gives a dialog key to the dialog it belongs to, the focused page first, as nested
  // dialogs do: Enter and Escape inside a page reach that page, not the main window.
  bool PreTranslateMessage(MSG& msg);

  BOOL OnInitDialog();
  void AddAboutBoxEntry(std::string_view text);
  void InsertTabs(const WindowView& view);
  void LayOut(const WindowView& view, UINT dpi, const RECT* suggested = nullptr);
  void PlacePages();
  bool OnSysCommand(UINT nID);
  bool OnPaint();
  HICON OnQueryDragIcon() const { return m_hIcon; }
  void OnSelchangeTab();
  // Carries out the behaviour's answer to a click or a command.
  void React(const WindowReaction& reaction);

  ConverterPages m_pages;
  CDialogLayout m_layout;
  std::vector<std::unique_ptr<CPageWindow>> m_pageWindows;  // in tab order
  WindowBehaviour m_behaviour{ConverterPages::kCount};
  HWND m_hwnd = nullptr;
  HWND m_tab = nullptr;
  HICON m_hIcon;
  HACCEL m_keys;
  bool m_ended = false;
};

#endif
