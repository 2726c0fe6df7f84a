// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The baseline of the start-up benchmark: a bare Qt 6 Widgets window, built as the program
// is, that shows one empty QWidget and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("bare");
  window.show();
  return app.exec();
}
