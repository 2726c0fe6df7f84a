// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "notations/folded_text.h"

#include <algorithm>

namespace {

// The ASCII character that stands for code point `cp`, or 0 where it keeps its own spelling.
char AsciiFor(char32_t cp) {
  if (cp >= 0xFF01 && cp <= 0xFF5E) return static_cast<char>(cp - 0xFEE0);
  if (cp == 0x2212) return '-';
  if (cp == 0x3000 || cp == 0x00A0 || cp == 0x2009 || cp == 0x202F) return ' ';
  return 0;
}

// The code point of the UTF-8 sequence at `text[pos]` and its length; a byte that starts no
// well-formed sequence counts as one character of its own.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (length == 1 || pos + length > text.size()) return {lead, 1};
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return {lead, 1};
    cp = (cp << 6) | (next & 0x3F);
  }
  return {cp, length};
}

constexpr bool IsGrouping(char c) { return c == '_' || c == ' ' || c == '\'' || c == ','; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string FoldToAscii(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const auto [cp, length] = Decode(text, pos);
    if (const char ascii = AsciiFor(cp))
      folded += ascii;
    else
      folded.append(text.substr(pos, length));
    pos += length;
  }
  return std::string(TrimBlanks(folded));
}

std::optional<std::string> Ungrouped(std::string_view digits, int base) {
  const auto isDigit = [base](char c) { return DigitValue(c) < base; };
  std::string plain;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const char c = digits[i];
    if (isDigit(c)) {
      plain += c;
      continue;
    }
    const bool between =
        i > 0 && isDigit(digits[i - 1]) && i + 1 < digits.size() && isDigit(digits[i + 1]);
    if (!IsGrouping(c) || !between) return std::nullopt;
    if (c == ',') {
      const std::string_view group = digits.substr(i + 1, 4);
      if (std::find_if_not(group.begin(), group.end(), isDigit) - group.begin() != 3)
        return std::nullopt;
    }
  }
  if (plain.empty()) return std::nullopt;
  return plain;
}
