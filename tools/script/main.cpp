// mensorator-script: drives the program's pages headless from a script, for tests,
// automation and bug reports. Usage: mensorator-script [SCRIPT]; without SCRIPT it reads
// standard input.
#include <clocale>
#include <fstream>
#include <iostream>

#include "tools/script/script_runner.h"

int main(int argc, char** argv) {
  // As the GUI does: a conversion that leaked the locale would show in the output.
  std::setlocale(LC_ALL, "");
  if (argc > 2) {
    std::cerr << "usage: mensorator-script [SCRIPT]\n";
    return 2;
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
