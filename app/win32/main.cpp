// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// mensorator.exe: the converter as a native Windows program.
#include <windows.h>

#include "app/win32/converter_app.h"

namespace {

CConverterApp theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  theApp.InitInstance();
  return 0;
}
