// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// How typed text splits into keys: one key per UTF-8 character, as an edit control receives
// them. A stray byte counts as a key of its own; a sequence cut short by the end of the text
// is one key. It edits no text itself.
#ifndef MENSORATOR_SESSION_KEYS_H
#define MENSORATOR_SESSION_KEYS_H

#include <cstddef>
#include <string_view>
#include <vector>

// Where each key of `text` ends.
std::vector<std::size_t> KeyEnds(std::string_view text);

// Where the last key of `text` starts, split as KeyEnds splits it: what a backspace keeps.
std::size_t LastKeyStart(std::string_view text);

#endif
