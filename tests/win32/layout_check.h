// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Checks how a dialog of the running program is laid out: every static text shows its whole
// text on the lines it has (width and height within its control, no word wrapping), in the
// dialog font at the given DPI, with a glyph for every character, and overlaps no other
// control; every other control's text and the tabs' have their glyphs too.
#ifndef MENSORATOR_TESTS_WIN32_LAYOUT_CHECK_H
#define MENSORATOR_TESTS_WIN32_LAYOUT_CHECK_H

#include <windows.h>

#include "tests/win32/check.h"

void CheckLayout(Checker& check, HWND dialog, UINT dpi);

#endif
