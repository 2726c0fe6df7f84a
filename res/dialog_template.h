// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Dialog templates as data: every control of a dialog with its identifier, kind, text and
// place in dialog units, in template order (which is also the tab order).
//
// This is the one description of the program's windows. The field framework makes one field
// per edit control; the front ends build their widgets from it. It draws nothing itself.
#ifndef MENSORATOR_RES_DIALOG_TEMPLATE_H
#define MENSORATOR_RES_DIALOG_TEMPLATE_H

#include <span>
#include <string_view>

#include "res/dialogs.h"

enum class ControlKind {
  Edit,           // bordered, tab stop, scrolls horizontally
  Label,          // left-aligned static text that starts a group; lines never wrap
  LabelNoPrefix,  // a label whose "&" is shown as it is
  GroupBox,       // frame with a caption
  Icon,           // picture of the icon named by the text's resource (IDR_MAINFRAME)
  DefaultButton,  // push button that Enter presses
  Tab,            // tab strip, not a tab stop
};

struct ControlTemplate {
  int id;  // -1 for a control the code never addresses
  ControlKind kind;
  std::string_view text;  // UTF-8
  int x, y, cx, cy;       // dialog units
};

// Whether a control of `kind` is a static text, with or without access-key processing.
inline bool IsLabel(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::LabelNoPrefix;
}

// Whether two boxes in dialog units (controls or their laid-out rectangles) share a row: their
// vertical extents overlap.
template <class Box>
bool RowsOverlap(const Box& a, const Box& b) {
  return a.y < b.y + b.cy && b.y < a.y + a.cy;
}

struct DialogTemplate {
  int id;
  std::string_view caption;  // UTF-8; empty for a page
  int cx, cy;                // dialog units
  std::span<const ControlTemplate> controls;
};

// Every dialog uses this font; the front ends substitute a metric-compatible one where absent.
inline constexpr std::string_view kDialogFontFace = DIALOG_FONT_FACE;
inline constexpr int kDialogFontPointSize = DIALOG_FONT_POINT_SIZE;

extern const DialogTemplate kAboutBoxTemplate;           // IDD_ABOUTBOX
extern const DialogTemplate kMainDialogTemplate;         // IDD_MAIN_DIALOG
extern const DialogTemplate kPageRadixAngleTemplate;     // IDD_PAGE_RADIX_ANGLE
extern const DialogTemplate kPageDistanceAngleTemplate;  // IDD_PAGE_DISTANCE_ANGLE

#endif
