// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The program's pages, created in the order the main window creates them, and the program's
// start: creating them starts the active-field register afresh. Front ends, the user session,
// the tests and the benchmarks hold one of these, so every one of them starts the same way.
#ifndef MENSORATOR_PAGES_CONVERTER_PAGES_H
#define MENSORATOR_PAGES_CONVERTER_PAGES_H

#include <array>
#include <cstddef>

#include "fields/field_page.h"
#include "pages/distance_angle/distance_angle_page.h"
#include "pages/radix_angle/radix_angle_page.h"

struct ConverterPages {
  CRadixAnglePage radixAngle;
  CDistanceAnglePage distanceAngle;

  static constexpr std::size_t kCount = 2;

  // Starts the program: no field active, then the pages created first to last, each one's
  // start-up run before the next exists. Call once.
  void Create();
  // Every page, in tab order.
  std::array<CFieldPage*, kCount> All() { return {&radixAngle, &distanceAngle}; }
  // The page that holds edit field `controlId`, or nullptr.
  CFieldPage* PageOf(int controlId);
};

#endif
