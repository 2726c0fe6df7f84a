// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Runs a list of user actions against freshly started pages and checks every rule of
// InvariantChecker after each key, paste, deletion, focus change and tab switch. The fuzzer's
// inputs, its seed corpus and the regression tests of its findings are such lists.
//
// One action a line; the first character says which, the rest of the line is its argument:
//   f NAME   focus the field of that name ("fDEC"); another text picks a field by its first byte
//   t TEXT   type TEXT over the field's whole text, key by key
//   a TEXT   append TEXT, key by key
//   p TEXT   paste TEXT over the field's whole text
//   h TEXT   paste TEXT repeated to 4096 bytes (a long paste)
//   b        backspace        c   clear the field       s N   switch to tab N
// Any other line is ignored. It reads any bytes: a line may hold zeros or broken UTF-8.
#ifndef MENSORATOR_TESTS_HARDENING_ACTION_SCRIPT_H
#define MENSORATOR_TESTS_HARDENING_ACTION_SCRIPT_H

#include <string>
#include <string_view>

// Runs `script`; returns an empty string, or the first line after which a rule was broken
// and what broke.
std::string RunActionScript(std::string_view script);

#endif
