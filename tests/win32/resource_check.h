// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Checks the resources compiled into the running program against the program's own data:
// each dialog template control by control against the C++ templates built from the same
// .def files, the menu string, the icon's images and the version record.
#ifndef MENSORATOR_TESTS_WIN32_RESOURCE_CHECK_H
#define MENSORATOR_TESTS_WIN32_RESOURCE_CHECK_H

#include "tests/win32/check.h"

void CheckResources(Checker& check);

#endif
