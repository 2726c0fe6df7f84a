// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The catalogue of bad inputs: texts no converter expects a user to type or paste, each with
// what it reads as, worked out by hand. Shared by the catalogue's tests and the benchmarks.
// It runs nothing.
#ifndef MENSORATOR_TESTS_HARDENING_BAD_INPUTS_H
#define MENSORATOR_TESTS_HARDENING_BAD_INPUTS_H

#include <cstdint>
#include <span>
#include <string>

// What a floating field makes of a text.
enum class FloatReading {
  kZero,            // the text and every prefix of it read as 0
  kZeroWhenPasted,  // the whole text reads as 0 (or next to it), some prefixes do not
  kInfinite,        // the whole text reads as infinite
  kOther,           // finite, typed key by key it may pass through range reductions
};

struct BadInput {
  const char* name;
  std::string text;
  bool pasteOnly;  // too long to type key by key
  // The 32-bit value the text reads as in the decimal, hexadecimal, octal and binary field.
  std::int32_t dec, hex, oct, bin;
  FloatReading floating;
};

std::span<const BadInput> BadInputs();

#endif
