// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The integer fields' value in the notations people write it in, and those notations read
// back. The value is the page's signed 32-bit integer; hexadecimal, octal and binary show its
// 32-bit pattern, as the fields do.
//
// Writers: "0xff", "0o377", "0b11111111", 32 bits of binary in groups of four, the unsigned
// value, "#0000ff" (0 to 0xffffff only), the file mode "rwxr-xr-x" (octal 0 to 7777 only), and
// all four bases one per line.
// Readers take the same forms, full-width (folded_text.h), with "_", space, apostrophe and
// comma grouping between digits (a comma only before three digits, so "1,5" is no number),
// and must match the whole text: "1012" is no binary number. A value from 2147483648 to
// 4294967295 is the 32-bit pattern of a negative one (0xffffffff is -1); beyond 32 bits a
// reader gives a value that ToInt32 refuses. They do not write the fields: FieldTextOf gives
// the text that a field's own reading rule reads as the value.
#ifndef MENSORATOR_NOTATIONS_INTEGER_NOTATIONS_H
#define MENSORATOR_NOTATIONS_INTEGER_NOTATIONS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

std::string WritePrefixed(std::int32_t value, int base);       // "0x", "0o", "0b" or signed decimal
std::string WriteBinary32(std::int32_t value);                 // "0000 0000 … 1111 1111"
std::string WriteUnsigned(std::int32_t value);                 // "4294967295" for -1
std::optional<std::string> WriteColor(std::int32_t value);     // "#ff8800"
std::optional<std::string> WriteFileMode(std::int32_t value);  // "rwsr-xr-x" for 04755
std::string WriteAllBases(std::int32_t value);  // hexadecimal, decimal, octal, binary; "\n"

// Each gives the value it read, or nothing where the whole text is no number in its notation.
// A reader's value may lie beyond 32 bits (saturating far beyond): ToInt32 decides.
// Base 2, 8, 10 or 16, with an optional sign and, except in base 10, "0b", "0o" or "0x".
std::optional<std::int64_t> ReadInBase(std::string_view text, int base);
std::optional<std::int64_t> ReadColor(std::string_view text);     // "#ff8800", "#f80", "ff8800"
std::optional<std::int64_t> ReadFileMode(std::string_view text);  // "rwxr-xr-x", "drwxr-xr-x"
// Lines each with its base's prefix (decimal has none), all of one value.
std::optional<std::int64_t> ReadAllBases(std::string_view text);

// The page's integer for `value`: as it is from -2147483648 to 2147483647, the negative value
// of the same 32 bits from 2147483648 to 4294967295, and nothing beyond.
std::optional<std::int32_t> ToInt32(std::int64_t value);

// The text that a radix field of `base` reads as `value`: decimal as it is; the other bases
// with a minus sign for a negative value, since their fields clamp a pattern above 7fffffff.
std::string FieldTextOf(std::int32_t value, int base);

#endif
