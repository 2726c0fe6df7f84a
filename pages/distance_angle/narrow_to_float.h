// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Narrowing of a double to single precision as IEEE arithmetic does it.
//
// Rounds to the nearest float; a value beyond the float range becomes an infinity of its sign
// instead of the undefined behaviour of a plain cast, and a NaN stays a NaN. It does no other
// arithmetic.
#ifndef MENSORATOR_PAGES_NARROW_TO_FLOAT_H
#define MENSORATOR_PAGES_NARROW_TO_FLOAT_H

float NarrowToFloat(double value);

#endif
