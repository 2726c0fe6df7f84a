// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// One keystroke: the whole cascade that typing a character into a field sets off, from the
// edit to the last nested write, for each kind of field of both pages.
#include <benchmark/benchmark.h>

#include <utility>

#include "pages/converter_pages.h"
#include "res/resource.h"

namespace {

// On the distance and angle page, a segment with every measure non-zero, so that no step
// takes a short cut.
constexpr std::pair<int, const char*> kSegment[] = {
    {IDC_END_X, "3"}, {IDC_END_Y, "4"}, {IDC_END_Z, "12"}};

void BM_Keystroke(benchmark::State& state, int controlId, const char* text) {
  ConverterPages pages;
  pages.Create();
  CFieldPage& page = *pages.PageOf(controlId);
  if (&page == &pages.distanceAngle) {
    for (const auto& [id, start] : kSegment) {
      page.OnFieldFocused(id);
      page.OnFieldEdited(id, start);
    }
  }
  page.OnFieldFocused(controlId);
  for (auto _ : state) {
    page.OnFieldEdited(controlId, text);
    benchmark::DoNotOptimize(page.FieldText(controlId));
  }
}

BENCHMARK_CAPTURE(BM_Keystroke, Decimal, IDC_DEC, "-1234567");
BENCHMARK_CAPTURE(BM_Keystroke, Hexadecimal, IDC_HEX, "0x7fffffff");
BENCHMARK_CAPTURE(BM_Keystroke, Binary, IDC_BIN, "10101010101010101010101010101010");
BENCHMARK_CAPTURE(BM_Keystroke, Degree, IDC_DEGREE, "30");
BENCHMARK_CAPTURE(BM_Keystroke, DegreeReduced, IDC_DEGREE, "3600");
BENCHMARK_CAPTURE(BM_Keystroke, Radian, IDC_RADIAN, "1.5");
BENCHMARK_CAPTURE(BM_Keystroke, RadianReduced, IDC_RADIAN, "7");
BENCHMARK_CAPTURE(BM_Keystroke, Grad, IDC_GRAD, "100");
BENCHMARK_CAPTURE(BM_Keystroke, Sine, IDC_SIN, "0.5");
BENCHMARK_CAPTURE(BM_Keystroke, Cosine, IDC_COS, "-2");
BENCHMARK_CAPTURE(BM_Keystroke, Tangent, IDC_TAN, "1");
BENCHMARK_CAPTURE(BM_Keystroke, Coordinate, IDC_START_X, "-1.5");
BENCHMARK_CAPTURE(BM_Keystroke, Bearing, IDC_XY_ANGLE, "123.456");
BENCHMARK_CAPTURE(BM_Keystroke, Elevation, IDC_ELEVATION, "30");
BENCHMARK_CAPTURE(BM_Keystroke, Distance, IDC_DISTANCE, "250.75");
BENCHMARK_CAPTURE(BM_Keystroke, XYDistance, IDC_XY_DISTANCE, "10");

}  // namespace
