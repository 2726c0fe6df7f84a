// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Runs a script against freshly started pages, as the script driver does, and returns the
// texts of the final `dump`: field name -> text, plus "active" -> the register's code.
#ifndef MENSORATOR_TESTS_SUPPORT_SESSION_H
#define MENSORATOR_TESTS_SUPPORT_SESSION_H

#include <map>
#include <string>
#include <string_view>

using FieldTexts = std::map<std::string, std::string, std::less<>>;

// Starts the program afresh, runs `script` followed by a dump, and returns what that dump showed.
// Fails the current test if a line cannot run.
FieldTexts RunSession(std::string_view script);

// Every field as a freshly started program shows it: "0", the cosine "1", no field active.
FieldTexts StartTexts();

#endif
