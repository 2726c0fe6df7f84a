// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The trigonometric functions the pages compute with: musl's, built from third_party/musl for
// every target, so that a text computed from them is the same on Linux, on Windows and in the
// browser. C libraries differ in the last bit, and most of all in how they reduce a huge
// argument, and the texts the pages show would differ with them. sqrt needs no such care:
// IEEE arithmetic rounds it exactly everywhere.
#ifndef MENSORATOR_PAGES_TRIGONOMETRY_H
#define MENSORATOR_PAGES_TRIGONOMETRY_H

#include "musl_trig.h"

namespace trig {

inline double sin(double x) { return musl_sin(x); }
inline double cos(double x) { return musl_cos(x); }
inline double tan(double x) { return musl_tan(x); }
inline double asin(double x) { return musl_asin(x); }
inline double acos(double x) { return musl_acos(x); }
inline double atan(double x) { return musl_atan(x); }
inline double atan2(double y, double x) { return musl_atan2(y, x); }

}  // namespace trig

#endif
