// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Number texts as the C library reads and writes them (strtol/atol, strtod/atof, _ltoa,
// printf's "%.Nf" and "%.Ng"), for the pages' fields.
//
// The readers take a field's text leniently: leading blanks, then the longest numeric prefix;
// no number at all reads as 0. Only decimal notation counts for floating values, so
// "0x1p3", "inf" and "nan" read only as far as their decimal prefix. None of these functions
// depends on the process locale or on a fixed-size buffer. They do no arithmetic beyond that.
#ifndef MENSORATOR_FIELDS_NUMBER_TEXT_H
#define MENSORATOR_FIELDS_NUMBER_TEXT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What a floating value that is not a number the program can show is written as.
inline constexpr std::string_view kNoValue = "No Value";

// Reads an integer in base 2, 8, 10 or 16 as strtol does (base 16 takes an optional "0x" or
// "0X"; the others take no prefix), clamped to the signed 32-bit range whatever the width of
// the platform's long. With `end`, stores how many characters were read (0 for no number).
std::int32_t ReadLong(std::string_view text, int base, std::size_t* end = nullptr);

// Reads a decimal floating text as strtod does: optional sign, digits with an optional point,
// optional exponent. A value too large for a double reads as an infinity of its sign, one too
// small as a zero (or the nearest subnormal). `end` as for ReadLong.
double ReadDouble(std::string_view text, std::size_t* end = nullptr);

// Writes an integer as _ltoa does: radix 10 signed; radix 2, 8 and 16 as the unsigned 32-bit
// two's complement; lowercase digits, no prefix, no leading zeros.
std::string FormatLong(std::int32_t value, int radix);

// Writes a value as printf's "%.Nf" with N = `decimals` ("%f" is 6 decimals). A value that is
// not finite is written as kNoValue rather than the C library's "inf" or "nan".
std::string FormatFixed(double value, int decimals);

// Writes a value as printf's "%.Ng" with N = `significantDigits`.
std::string FormatGeneral(double value, int significantDigits);

#endif
