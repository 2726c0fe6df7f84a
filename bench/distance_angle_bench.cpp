// One keystroke on the distance and angle page: the whole cascade that typing into a
// coordinate or a measure sets off, from the edit to the last measure written.
#include <benchmark/benchmark.h>

#include "fields/active_field.h"
#include "pages/converter_pages.h"
#include "res/resource.h"

namespace {

void BM_DistanceAngleKeystroke(benchmark::State& state, int controlId, const char* text) {
  g_activeField = AF_NONE;
  ConverterPages pages;
  pages.Create();
  CFieldPage& page = pages.distanceAngle;
  // A segment with every measure non-zero, so that no step takes a short cut.
  for (auto [id, start] : {std::pair{IDC_END_X, "3"}, {IDC_END_Y, "4"}, {IDC_END_Z, "12"}}) {
    page.OnFieldFocused(id);
    page.OnFieldEdited(id, start);
  }
  page.OnFieldFocused(controlId);
  for (auto _ : state) {
    page.OnFieldEdited(controlId, text);
    benchmark::DoNotOptimize(page.FieldText(IDC_ELEVATION));
  }
}

BENCHMARK_CAPTURE(BM_DistanceAngleKeystroke, Coordinate, IDC_START_X, "-1.5");
BENCHMARK_CAPTURE(BM_DistanceAngleKeystroke, Bearing, IDC_XY_ANGLE, "123.456");
BENCHMARK_CAPTURE(BM_DistanceAngleKeystroke, Elevation, IDC_ELEVATION, "30");
BENCHMARK_CAPTURE(BM_DistanceAngleKeystroke, Distance, IDC_DISTANCE, "250.75");
BENCHMARK_CAPTURE(BM_DistanceAngleKeystroke, XYDistance, IDC_XY_DISTANCE, "10");

}  // namespace
