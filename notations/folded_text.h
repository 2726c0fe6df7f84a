// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The plain ASCII spelling of a number as people paste it: full-width digits, letters and
// signs ("１２３", "＃ＦＦ"), the minus sign U+2212 and the wide and narrow spaces become their
// ASCII forms, and digits lose their grouping marks ("1_000", "1 000", "1'000", "1,000").
// Every other character stays as it is. It reads no number's value and knows no notation.
#ifndef MENSORATOR_NOTATIONS_FOLDED_TEXT_H
#define MENSORATOR_NOTATIONS_FOLDED_TEXT_H

#include <optional>
#include <string>
#include <string_view>

// `text` (UTF-8) with full-width forms U+FF01 to U+FF5E folded to ASCII, U+2212 to "-", and
// U+3000, U+00A0, U+2009 and U+202F to " "; then without the ASCII blanks at either end.
std::string FoldToAscii(std::string_view text);

// `text` with its ASCII blanks (space, tab, line ends) at either end removed.
std::string_view TrimBlanks(std::string_view text);

// The value of `c` as a digit of base 36, or 36 when it is none.
constexpr int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 36;
}

// `digits` (ASCII) without its grouping marks "_", space, apostrophe and comma, each of which
// must stand between two digits of `base`; a comma must be followed by exactly three digits,
// as thousands are grouped, so that "1,5" (a decimal comma) is no number. Nothing when a mark
// stands elsewhere, when another character is in it, or when it has no digit.
std::optional<std::string> Ungrouped(std::string_view digits, int base);

#endif
