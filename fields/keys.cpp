#include "fields/keys.h"

#include <algorithm>

namespace {

// The length of the UTF-8 sequence that `lead` starts.
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF7) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC0 && lead <= 0xDF) return 2;
  return 1;
}

bool IsContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

}  // namespace

std::vector<std::size_t> KeyEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t pos = 0; pos < text.size();) {
    pos = std::min(text.size(), pos + SequenceLength(static_cast<unsigned char>(text[pos])));
    ends.push_back(pos);
  }
  return ends;
}

std::size_t LastKeyStart(std::string_view text) {
  std::size_t start = text.size() - 1;
  while (start > 0 && IsContinuation(text[start])) --start;
  return start;
}
