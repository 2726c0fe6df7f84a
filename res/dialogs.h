// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Each dialog's own properties: its size in dialog units, caption and window styles; the font
// every dialog uses; the text of the About box's entry in the window menu. Their controls are
// in the *.def files.
//
// Plain macros, because the Windows resource compiler reads this file (mensorator.rc) as well
// as C++ (dialog_templates.cpp, dialog_template.h, strings.h). The styles name Windows
// constants: only code that includes <windows.h> may use them.
#ifndef MENSORATOR_RES_DIALOGS_H
#define MENSORATOR_RES_DIALOGS_H

#include "mensorator_version.h"

// UTF-8 texts; the resource script reads them as such (#pragma code_page(65001)).
#define DIALOG_FONT_POINT_SIZE 9
#define DIALOG_FONT_FACE "ＭＳ Ｐゴシック"

// Width, height.
#define ABOUTBOX_SIZE 235, 55
#define ABOUTBOX_CAPTION "Mensoratorのﾊﾞｰｼﾞｮﾝ情報"
#define ABOUTBOX_STYLE DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU
// "&" marks the access key.
#define ABOUTBOX_MENU_TEXT "Mensorator のﾊﾞｰｼﾞｮﾝ情報(&A)..."

#define MAIN_DIALOG_SIZE 214, 175
#define MAIN_DIALOG_CAPTION "Mensorator"
#define MAIN_DIALOG_STYLE \
  DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU
// The window has a taskbar button of its own.
#define MAIN_DIALOG_EXSTYLE WS_EX_APPWINDOW

// The pages are child windows without a caption.
#define PAGE_STYLE DS_SETFONT | WS_CHILD
#define PAGE_RADIX_ANGLE_SIZE 203, 150
#define PAGE_DISTANCE_ANGLE_SIZE 202, 151

#endif
