// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "session/keys.h"

#include <gtest/gtest.h>

namespace {

TEST(KeysTest, OneKeyPerUtf8Character) {
  struct {
    const char* text;
    std::vector<std::size_t> ends;
    std::size_t lastKeyStart;
  } const cases[] = {
      {"a", {1}, 0},
      {"12", {1, 2}, 1},
      {"\xef\xbc\x91\xef\xbc\x92", {3, 6}, 3},  // "１２"
      {"1\xc3\xa9", {1, 3}, 1},                 // "1é": a backspace leaves "1"
      {"\xc2\xa9\xdf\xbf", {2, 4}, 2},          // the lowest and highest lead bytes of two
      {"x\xf0\x9f\x98\x80", {1, 5}, 1},         // an emoji: one key of four bytes
      {"\x80\x80", {1, 2}, 1},                  // stray continuation bytes
      {"a\x80", {1, 2}, 1},                     // a stray byte after a character
      {"\xe3\x81\x82\x80", {3, 4}, 3},          // ... after a character of three bytes
      {"1\xe3\x81", {1, 3}, 1},                 // a cut sequence ends the text
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(KeyEnds(c.text), c.ends);
    EXPECT_EQ(LastKeyStart(c.text), c.lastKeyStart);
  }
  EXPECT_TRUE(KeyEnds("").empty());
}

}  // namespace
