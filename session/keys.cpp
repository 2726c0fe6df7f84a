// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "session/keys.h"

#include <algorithm>

namespace {

// The length of the UTF-8 sequence that `lead` starts.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC0 && lead <= 0xDF) return 2;
  return 1;
}

// Where the key that starts at `start` ends.
std::size_t KeyEnd(std::string_view text, std::size_t start) {
  return std::min(text.size(), start + SequenceLength(static_cast<unsigned char>(text[start])));
}

}  // namespace

std::vector<std::size_t> KeyEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t pos = 0; pos < text.size(); pos = ends.back()) ends.push_back(KeyEnd(text, pos));
  return ends;
}

std::size_t LastKeyStart(std::string_view text) {
  // Only a walk from the front tells a stray continuation byte from the end of a character.
  std::size_t start = 0;
  for (std::size_t end = 0; end < text.size(); end = KeyEnd(text, start)) start = end;
  return start;
}
