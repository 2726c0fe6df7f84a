// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "res/dialog_template.h"
#include "res/dialogs.h"
#include "res/resource.h"

namespace {

// Each .def file lists a dialog's controls as macro calls; here they become table rows.
#define CONTROL_EDIT(id, x, y, cx, cy) {id, ControlKind::Edit, "", x, y, cx, cy},
#define CONTROL_LABEL(text, x, y, cx, cy) {-1, ControlKind::Label, text, x, y, cx, cy},
#define CONTROL_LABEL_NOPREFIX(text, x, y, cx, cy) \
  {-1, ControlKind::LabelNoPrefix, text, x, y, cx, cy},
#define CONTROL_GROUPBOX(text, x, y, cx, cy) {-1, ControlKind::GroupBox, text, x, y, cx, cy},
#define CONTROL_ICON(icon, x, y, cx, cy) {-1, ControlKind::Icon, "", x, y, cx, cy},
#define CONTROL_DEFAULT_BUTTON(id, text, x, y, cx, cy) \
  {id, ControlKind::DefaultButton, text, x, y, cx, cy},
#define CONTROL_TAB(id, text, x, y, cx, cy) {id, ControlKind::Tab, text, x, y, cx, cy},

constexpr ControlTemplate kAboutBoxControls[] = {
#include "res/about_box.def"
};
constexpr ControlTemplate kMainDialogControls[] = {
#include "res/main_dialog.def"
};
constexpr ControlTemplate kPageRadixAngleControls[] = {
#include "res/page_radix_angle.def"
};
constexpr ControlTemplate kPageDistanceAngleControls[] = {
#include "res/page_distance_angle.def"
};

}  // namespace

const DialogTemplate kAboutBoxTemplate{IDD_ABOUTBOX, ABOUTBOX_CAPTION, ABOUTBOX_SIZE,
                                       kAboutBoxControls};
const DialogTemplate kMainDialogTemplate{IDD_MAIN_DIALOG, MAIN_DIALOG_CAPTION, MAIN_DIALOG_SIZE,
                                         kMainDialogControls};
const DialogTemplate kPageRadixAngleTemplate{IDD_PAGE_RADIX_ANGLE, "", PAGE_RADIX_ANGLE_SIZE,
                                             kPageRadixAngleControls};
const DialogTemplate kPageDistanceAngleTemplate{
    IDD_PAGE_DISTANCE_ANGLE, "", PAGE_DISTANCE_ANGLE_SIZE, kPageDistanceAngleControls};
