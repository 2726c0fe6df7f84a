// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Starts Mensorator. The command line is not used beyond --help and --version.
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/qt/converter_app.h"
#include "mensorator_version.h"

namespace {

QtMessageHandler g_defaultMessageHandler = nullptr;

constexpr char kUsage[] =
    "usage: mensorator [--help | --version]\n"
    "Opens Mensorator, the instant converter for numbers, angles and distances.\n"
    "Other arguments are ignored. See mensorator(1).\n";

// Answers --help or --version on the terminal, with no display needed; true if it did. Every
// other argument is ignored.
bool AnsweredInformationOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const char* answer = argument == "--help"      ? kUsage
                         : argument == "--version" ? "mensorator " MENSORATOR_VERSION "\n"
                                                   : nullptr;
    if (answer != nullptr) {
      std::fputs(answer, stdout);
      return true;
    }
  }
  return false;
}

bool DisplayAvailable() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

// Qt aborts on a fatal message, as when the display named cannot be reached: end with the
// message and status 1 instead of a crash.
void ExitOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (g_defaultMessageHandler != nullptr) g_defaultMessageHandler(type, context, text);
    return;
  }
  std::fprintf(stderr, "mensorator: cannot start: %s\n", qPrintable(text));
  std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (AnsweredInformationOption(argc, argv)) return 0;
  if (!DisplayAvailable()) {
    std::fputs(
        "mensorator: no display available (DISPLAY and WAYLAND_DISPLAY are unset).\n"
        "Run it in a desktop session, or without one under a virtual display: "
        "xvfb-run -a mensorator\n",
        stderr);
    return 1;
  }
  g_defaultMessageHandler = qInstallMessageHandler(ExitOnFatalMessage);
  CConverterApp app(argc, argv);
  app.InitInstance();
  return 0;
}
