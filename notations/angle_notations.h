// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Angles and decimal numbers in the notations people write them in, and those notations read
// back: degrees-minutes-seconds, quadrant bearings, slopes in percent, and grouped decimals.
//
// Degrees-minutes-seconds are written to a tenth of a second, the angle rounded once as a
// whole, so that 10°00′59.99″ is written 10°01′ (never 60″), with minutes and seconds of two
// digits and the zero parts at the end left out: 36°52′11.6″, 36°52′, 36°. A quadrant bearing
// measures from north or south towards east or west: a bearing of 143.13 is S36°52′12″E, and
// one within a tenth of a second of an axis is that axis's letter alone (N, E, S, W). Readers
// fold full-width text first (folded_text.h) and must match the whole text; they give degrees.
// Nothing here knows the fields: field_notations.h chooses what each field offers.
#ifndef MENSORATOR_NOTATIONS_ANGLE_NOTATIONS_H
#define MENSORATOR_NOTATIONS_ANGLE_NOTATIONS_H

#include <optional>
#include <string>
#include <string_view>

// "-36°52′11.6″"; nothing for a value that is not finite or too large to count in tenths of
// a second exactly.
std::optional<std::string> WriteDms(double degrees);
// "36°52′11.6″", "36d52m11.6s", "36 52 11.6", "36°52.2′", "36.87°", "36": degrees, then
// optional minutes and seconds below 60, each with its mark or separated by blanks; only the
// last part may have a fraction.
std::optional<double> ReadDms(std::string_view text);

// "N36°52′12″E", "S", "W"; the bearing in degrees clockwise from north, any turn.
std::optional<std::string> WriteQuadrantBearing(double bearing);
// "N36°52′E", "s 10 w", "E": the bearing from 0 up to 360; the angle at most 90.
std::optional<double> ReadQuadrantBearing(std::string_view text);

// "57.735%" for an elevation of 30; nothing at or beyond ±90.
std::optional<std::string> WriteSlopePercent(double elevation);
// "12%", "-3.5 %", "12": the elevation in degrees.
std::optional<double> ReadSlopePercent(std::string_view text);

// A decimal number with "_", space, apostrophe or comma grouping in its whole part, full-width
// or with U+2212, as the plain decimal text a field reads the same: "－１ ０００.５" is
// "-1000.5".
std::optional<std::string> ReadGroupedDecimal(std::string_view text);

// Degrees as a field's text: eight decimals, without trailing zeros ("36.86988889", "90").
std::string DegreesText(double degrees);

#endif
