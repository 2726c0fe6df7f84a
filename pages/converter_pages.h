// The program's pages, created in the order the main window creates them. Front ends and the
// script driver hold one of these, so every one of them starts the pages the same way.
#ifndef MENSORATOR_PAGES_CONVERTER_PAGES_H
#define MENSORATOR_PAGES_CONVERTER_PAGES_H

#include <array>

#include "fields/field_page.h"
#include "pages/distance_angle/distance_angle_page.h"
#include "pages/radix_angle/radix_angle_page.h"

struct ConverterPages {
  CRadixAnglePage radixAngle;
  CDistanceAnglePage distanceAngle;

  // Creates the pages, first to last: each one's start-up runs before the next exists.
  void Create();
  // Every page, in tab order.
  std::array<CFieldPage*, 2> All() { return {&radixAngle, &distanceAngle}; }
  // The page that holds edit field `controlId`, or nullptr.
  CFieldPage* PageOf(int controlId);
};

#endif
