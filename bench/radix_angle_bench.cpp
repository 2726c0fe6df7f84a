// One keystroke on the number and angle page: the whole cascade that typing a character into
// each kind of field sets off, from the edit to the last nested write.
#include <benchmark/benchmark.h>

#include "fields/active_field.h"
#include "pages/converter_pages.h"
#include "res/resource.h"

namespace {

void BM_Keystroke(benchmark::State& state, int controlId, const char* text) {
  g_activeField = AF_NONE;
  ConverterPages pages;
  pages.Create();
  CFieldPage& page = pages.radixAngle;
  page.OnFieldFocused(controlId);
  for (auto _ : state) {
    page.OnFieldEdited(controlId, text);
    benchmark::DoNotOptimize(page.FieldText(IDC_TAN));
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

}  // namespace
