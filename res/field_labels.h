// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Which labels of a dialog template name each of its edit fields, for the fields' accessible
// names: the nearest label left of the field on its row, with the row's first label in front
// where the nearest one's text names more than one field ("始点 X", "終点 X"). Every front end
// names its fields this way. It creates no widgets and measures no text.
#ifndef MENSORATOR_RES_FIELD_LABELS_H
#define MENSORATOR_RES_FIELD_LABELS_H

#include <cstddef>
#include <string>
#include <vector>

#include "res/dialog_template.h"

// The indices of the controls whose texts, joined by a space, name control `editIndex` of
// `dialog`: empty when no label stands left of it on its row, otherwise ending with the
// nearest label, the one a front end makes the field's buddy.
std::vector<std::size_t> FieldNameLabels(const DialogTemplate& dialog, std::size_t editIndex);

// The accessible name of control `editIndex` of `dialog` (UTF-8), empty when no label names it.
std::string FieldAccessibleName(const DialogTemplate& dialog, std::size_t editIndex);

#endif
