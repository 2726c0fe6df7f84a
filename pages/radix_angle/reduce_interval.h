// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Range reduction of an angle, sine or cosine into [-bound, bound].
#ifndef MENSORATOR_PAGES_REDUCE_INTERVAL_H
#define MENSORATOR_PAGES_REDUCE_INTERVAL_H

// Lowers a value above `bound` into (0, bound] and raises one below -bound into [-bound, 0),
// in steps of `bound` (720 degrees become 360, not 0); leaves [-bound, bound] alone. Computed
// in one exact step, so it ends at once for every finite value. `value` must be finite.
double ReduceInterval(double value, double bound);

#endif
