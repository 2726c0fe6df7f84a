// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The application: runs the main window modally and ends when it closes. It keeps no state
// and ignores its command line.
#ifndef MENSORATOR_APP_WIN32_CONVERTER_APP_H
#define MENSORATOR_APP_WIN32_CONVERTER_APP_H

class CConverterApp {
 public:
  // Runs the program. Returns false: there is no message loop to run after the window.
  bool InitInstance();
};

#endif
