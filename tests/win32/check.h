// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// A minimal test recorder for the Windows self-test, which has no test framework: records
// failed expectations with their context and reports them at the end.
#ifndef MENSORATOR_TESTS_WIN32_CHECK_H
#define MENSORATOR_TESTS_WIN32_CHECK_H

#include <cstdio>
#include <string>
#include <string_view>

#include "app/win32/wide_text.h"

class Checker {
 public:
  // Names the case that the following expectations belong to.
  void Case(std::string_view name) { m_case = name; }

  void That(bool ok, std::string_view what) {
    ++m_checks;
    if (ok) return;
    ++m_failures;
    std::printf("FAIL [%s] %.*s\n", m_case.c_str(), static_cast<int>(what.size()), what.data());
  }
  void Equal(std::wstring_view actual, std::wstring_view expected, std::string_view what) {
    That(actual == expected, std::string(what) + ": got \"" + Utf8FromWide(actual) +
                                 "\", expected \"" + Utf8FromWide(expected) + "\"");
  }
  void Equal(long long actual, long long expected, std::string_view what) {
    That(actual == expected, std::string(what) + ": got " + std::to_string(actual) + ", expected " +
                                 std::to_string(expected));
  }

  // Prints the summary; returns the process's exit status.
  int Finish() const {
    std::printf("%d checks, %d failed\n", m_checks, m_failures);
    return m_failures == 0 ? 0 : 1;
  }

 private:
  std::string m_case;
  int m_checks = 0;
  int m_failures = 0;
};

#endif
