// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The slowest keystrokes: every bad input of the catalogue (a 1 MB paste among them) pasted
// into every field of both pages, and the keys that set off the longest cascades. Each
// benchmark is one change of a field's text, from the edit to the last nested write.
#include <benchmark/benchmark.h>

#include <string>

#include "fields/active_field.h"
#include "pages/converter_pages.h"
#include "tests/hardening/bad_inputs.h"

namespace {

// Keys whose cascades write the most: a reduction read back and reduced again, and the measures
// of the second page that move the end point.
struct SlowKey {
  const char* name;
  ActiveField field;
  const char* text;
};
constexpr SlowKey kSlowKeys[] = {
    {"RadianReducedTwice", AF_RADIAN, "12.566370614359172"},
    {"GradReducedTwice", AF_GRAD, "400.000001"},
    {"SineReducedTwice", AF_SIN, "1.000000001"},
    {"CosineReducedTwice", AF_COS, "-1.000000001"},
    {"DegreeHugeReduced", AF_DEGREE, "-1e300"},
    {"Elevation", AF_ELEVATION, "30"},
    {"XYDistance", AF_XY_DISTANCE, "-5"},
};

int ControlOf(ActiveField code) {
  for (const ActiveFieldInfo& field : kActiveFields)
    if (field.code == code) return field.controlId;
  return 0;
}

// Changes the field's text to `text` again and again on started pages, its field focused.
void BM_Change(benchmark::State& state, int controlId, const std::string& text) {
  ConverterPages pages;
  pages.Create();
  CFieldPage& page = *pages.PageOf(controlId);
  page.OnFieldFocused(controlId);
  for (auto _ : state) page.OnFieldEdited(controlId, text);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

const bool kRegistered = [] {
  for (const ActiveFieldInfo& field : kActiveFields) {
    for (const BadInput& input : BadInputs())
      benchmark::RegisterBenchmark(("Paste/" + std::string(field.name) + "/" + input.name).c_str(),
                                   BM_Change, field.controlId, input.text)
          ->Unit(benchmark::kMicrosecond)
          ->MinTime(0.05);
  }
  for (const SlowKey& key : kSlowKeys)
    benchmark::RegisterBenchmark((std::string("Key/") + key.name).c_str(), BM_Change,
                                 ControlOf(key.field), key.text)
        ->Unit(benchmark::kMicrosecond);
  return true;
}();

}  // namespace
