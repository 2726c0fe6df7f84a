// Starts Mensorator. The command line is not used.
#include <cstdio>
#include <cstdlib>

#include "app/qt/converter_app.h"

namespace {

// Qt aborts when its default window system is unreachable; say what is missing instead.
bool DisplayAvailable() {
  const auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
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
  CConverterApp app(argc, argv);
  app.InitInstance();
  return 0;
}
