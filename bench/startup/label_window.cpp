// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// A second baseline of the start-up benchmark: a bare Qt 6 window that shows one line of
// Japanese text. It pays what any window with text pays and the empty window does not:
// loading the font configuration and a font.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel window(QString::fromUtf8("距離・角度"));
  window.setWindowTitle("label");
  window.show();
  return app.exec();
}
