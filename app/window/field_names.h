// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The names of the edit fields: the object name that scripts, tests and bug reports find a
// field by ("IDC_HEX"), and the accessible name that a screen reader says.
//
// A field's accessible name is the nearest label left of it on its row, with the row's first
// label in front where the nearest one's text names more than one field ("始点 X", "終点 X"),
// in the window's language. It creates no widgets and measures no text.
#ifndef MENSORATOR_APP_WINDOW_FIELD_NAMES_H
#define MENSORATOR_APP_WINDOW_FIELD_NAMES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "res/dialog_template.h"

// The indices of the controls whose texts, joined by a space, name control `editIndex` of
// `dialog`: empty when no label stands left of it on its row, otherwise ending with the
// nearest label, the one a front end makes the field's buddy.
std::vector<std::size_t> FieldNameLabels(const DialogTemplate& dialog, std::size_t editIndex);

// The accessible name of control `editIndex` of `dialog` in `language` (UTF-8), empty when no
// label names it.
std::string FieldAccessibleName(const DialogTemplate& dialog, std::size_t editIndex,
                                std::string_view language);

// The object name of edit field `controlId`, "IDC_" and its field's name; empty for a control
// that is no field.
std::string FieldObjectName(int controlId);

#endif
