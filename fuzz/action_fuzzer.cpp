// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// libFuzzer target: each input is a list of user actions (see action_script.h) run against
// freshly started pages; a broken rule is reported and aborts, so that libFuzzer keeps the
// input. Crashes, hangs, leaks and undefined behaviour are caught by the sanitizers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tests/hardening/action_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string broken =
      RunActionScript(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!broken.empty()) {
    std::fputs(broken.c_str(), stderr);
    std::abort();
  }
  return 0;
}
