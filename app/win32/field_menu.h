// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The context menu of an edit field: the standard editing entries (Undo, Cut, Copy, Paste,
// Delete, Select All), each sent to the control as the control's own menu sends it and
// enabled as the control's state allows, then the submenus "Copy as" and "Paste as" with the
// entries of notations/field_notations.h, in the user's language.
//
// The edit control's built-in menu cannot be extended, so the program shows this one in its
// place. "Copy as" puts the entry's text on the clipboard (line breaks as CR LF). "Paste as"
// reads the clipboard's text in the chosen notation and replaces the field's whole text with
// the result as a paste does, so the page hears an ordinary change; where the clipboard holds
// nothing in that notation, a message box says so and the field stays as it is. It decides
// neither the entries nor what a paste reads.
#ifndef MENSORATOR_APP_WIN32_FIELD_MENU_H
#define MENSORATOR_APP_WIN32_FIELD_MENU_H

#include <windows.h>

#include <string_view>

// Focuses `edit`, field `controlId` holding `fieldText`, and shows its menu at `at` (screen
// coordinates; -1, -1 for the context-menu key: over the field), then carries out the entry
// chosen. Returns when the menu and anything it opened have closed.
void ShowFieldMenu(HWND edit, int controlId, std::string_view fieldText, POINT at);

#endif
