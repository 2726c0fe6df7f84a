// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/win32/center_window.h"

#include <algorithm>

void CenterWindow(HWND window) {
  const HWND owner = GetWindow(window, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST),
                  &monitor);
  RECT around = monitor.rcWork;
  if (owner != nullptr) GetWindowRect(owner, &around);
  RECT placed;
  GetWindowRect(window, &placed);
  const LONG width = placed.right - placed.left;
  const LONG height = placed.bottom - placed.top;
  // Centred, but kept whole on the work area.
  LONG left = (around.left + around.right - width) / 2;
  LONG top = (around.top + around.bottom - height) / 2;
  left = std::max(monitor.rcWork.left, std::min(left, monitor.rcWork.right - width));
  top = std::max(monitor.rcWork.top, std::min(top, monitor.rcWork.bottom - height));
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
