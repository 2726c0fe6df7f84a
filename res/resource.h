// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Identifiers of the program's resources: dialogs, controls, strings, icon and menu command.
// Plain macros, because the Windows resource compiler reads this file as well as C++.
#ifndef MENSORATOR_RES_RESOURCE_H
#define MENSORATOR_RES_RESOURCE_H

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_MAIN_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_PAGE_RADIX_ANGLE 130
#define IDD_PAGE_DISTANCE_ANGLE 131

#define IDC_HEX 1001
#define IDC_DEC 1003
#define IDC_OCT 1004
#define IDC_BIN 1005
#define IDC_DEGREE 1006
#define IDC_RADIAN 1007
#define IDC_GRAD 1008
#define IDC_SIN 1009
#define IDC_COS 1010
#define IDC_TAN 1011
#define IDC_TAB 1012
#define IDC_START_X 1017
#define IDC_START_Y 1018
#define IDC_START_Z 1019
#define IDC_END_X 1020
#define IDC_END_Y 1021
#define IDC_END_Z 1022
#define IDC_DISTANCE 1023
#define IDC_XY_ANGLE 1024
#define IDC_ELEVATION 1025
#define IDC_XY_DISTANCE 1026

#define IDM_ABOUTBOX 0x0010

#ifndef IDOK
#define IDOK 1
#endif

#endif
