// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// mensorator-script: drives the program's pages headless from a script, for tests,
// automation and bug reports. Usage: mensorator-script [SCRIPT]; without SCRIPT it reads
// standard input.
#include <clocale>
#include <fstream>
#include <iostream>
#include <string_view>

#include "mensorator_version.h"
#include "tools/script/script_runner.h"

namespace {

constexpr char kUsage[] = "usage: mensorator-script [SCRIPT]\n";
constexpr char kHelp[] =
    "Runs Mensorator's pages from SCRIPT, or from standard input, one command a line:\n"
    "  focus FIELD   clicks into a field: DEC HEX OCT BIN DEGREE RADIAN GRAD SIN TAN COS\n"
    "                XY_ANGLE ELEVATION DISTANCE XY_DISTANCE START_X ... END_Z\n"
    "  type TEXT     types TEXT over the field's whole text, key by key\n"
    "  append TEXT   types TEXT at the end of the field's text\n"
    "  paste TEXT    replaces the field's text at once\n"
    "  backspace     deletes the last character\n"
    "  clear         deletes the whole text\n"
    "  dump          prints every field, then the code of the active one\n"
    "  copy-as NOTATION        prints the field's value in NOTATION (hex oct bin bin32\n"
    "                          unsigned color mode bases dms quadrant slope)\n"
    "  paste-as NOTATION TEXT  pastes what TEXT reads as in NOTATION (hex dec oct bin\n"
    "                          color mode bases dms quadrant slope)\n"
    "Lines starting with # are comments. Exit status 0, or 2 at the first line that\n"
    "cannot run. See mensorator-script(1).\n";

}  // namespace

int main(int argc, char** argv) {
  // As the GUI does: a conversion that leaked the locale would show in the output.
  std::setlocale(LC_ALL, "");
  if (argc > 2) {
    std::cerr << kUsage;
    return 2;
  }
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::cout << kUsage << kHelp;
    return 0;
  }
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "mensorator-script " MENSORATOR_VERSION "\n";
    return 0;
  }
  ScriptRunner runner;
  if (argc == 1) return runner.Run(std::cin, std::cout, std::cerr);
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "mensorator-script: cannot open " << argv[1] << '\n';
    return 2;
  }
  return runner.Run(script, std::cout, std::cerr);
}
