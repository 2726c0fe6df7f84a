// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The "Copy as" and "Paste as" submenus of an edit field, shown from the notations' menus as
// data (notations/field_notations.h) in the window's language.
//
// Copy as puts the chosen entry's text on the clipboard. Paste as reads the clipboard in the
// chosen notation and, where it holds a value, gives the field the focus and puts the result
// over the field's whole text as a user's paste does, so that the page's cascade runs on it;
// otherwise a message box says why and the field stays as it is. It decides nothing about the
// notations and reads no field text but the one the menu opens on.
#ifndef MENSORATOR_APP_QT_FIELD_MENU_H
#define MENSORATOR_APP_QT_FIELD_MENU_H

#include <QLineEdit>
#include <QMenu>
#include <string_view>

// Adds both submenus of field `controlId` (shown in `edit`) to `menu`, in `language`.
void AddNotationMenus(QMenu& menu, QLineEdit& edit, int controlId, std::string_view language);

#endif
