// Starts Mensorator. The command line is not used.
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

#include "app/qt/converter_app.h"

namespace {

QtMessageHandler g_defaultMessageHandler = nullptr;

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
