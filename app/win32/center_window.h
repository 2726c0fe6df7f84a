// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Places a dialog whose template gives no position: centred over its owner, or on the work
// area of its monitor when it has none. It neither sizes nor shows the window.
#ifndef MENSORATOR_APP_WIN32_CENTER_WINDOW_H
#define MENSORATOR_APP_WIN32_CENTER_WINDOW_H

#include <windows.h>

void CenterWindow(HWND window);

#endif
