// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

/* musl's double-precision trigonometric functions, under names of their own (a musl_ prefix)
   so that they stand beside the C library's sin, cos, ... rather than replace them. */
#ifndef MUSL_TRIG_H
#define MUSL_TRIG_H

#ifdef __cplusplus
extern "C" {
#endif

double musl_sin(double x);
double musl_cos(double x);
double musl_tan(double x);
double musl_asin(double x);
double musl_acos(double x);
double musl_atan(double x);
double musl_atan2(double y, double x);

#ifdef __cplusplus
}
#endif

#endif
