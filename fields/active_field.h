// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The active-field register: which edit field the user is editing, by its code.
//
// Focus handlers store a field's code here; change handlers compare it with their own code
// so that the fields a handler writes do not read themselves back. Nothing resets it: not a
// loss of focus, not a switch of page. It holds no texts and runs no handlers.
#ifndef MENSORATOR_FIELDS_ACTIVE_FIELD_H
#define MENSORATOR_FIELDS_ACTIVE_FIELD_H

#include <cstdint>
#include <optional>
#include <string_view>

#include "res/resource.h"

// Every edit field of both pages: name, code, control identifier, the page it is on (in tab
// order), what it holds, and the text it starts with. Codes 1-10 are the number and angle
// page's, 100-109 the distance and angle page's; the list is in code order. Tests, the fuzzer's
// rules and the guide read a field's page, kind and start text here.
#define MENSORATOR_ACTIVE_FIELDS(X)                     \
  X(DEC, 1, IDC_DEC, 0, Integer, "0")                   \
  X(HEX, 2, IDC_HEX, 0, Integer, "0")                   \
  X(OCT, 3, IDC_OCT, 0, Integer, "0")                   \
  X(BIN, 4, IDC_BIN, 0, Integer, "0")                   \
  X(DEGREE, 5, IDC_DEGREE, 0, Angle, "0")               \
  X(RADIAN, 6, IDC_RADIAN, 0, Angle, "0")               \
  X(GRAD, 7, IDC_GRAD, 0, Angle, "0")                   \
  X(SIN, 8, IDC_SIN, 0, Angle, "0")                     \
  X(TAN, 9, IDC_TAN, 0, Angle, "0")                     \
  X(COS, 10, IDC_COS, 0, Angle, "1")                    \
  X(XY_ANGLE, 100, IDC_XY_ANGLE, 1, Measure, "0")       \
  X(ELEVATION, 101, IDC_ELEVATION, 1, Measure, "0")     \
  X(DISTANCE, 102, IDC_DISTANCE, 1, Measure, "0")       \
  X(XY_DISTANCE, 103, IDC_XY_DISTANCE, 1, Measure, "0") \
  X(START_X, 104, IDC_START_X, 1, Point, "0")           \
  X(START_Y, 105, IDC_START_Y, 1, Point, "0")           \
  X(START_Z, 106, IDC_START_Z, 1, Point, "0")           \
  X(END_X, 107, IDC_END_X, 1, Point, "0")               \
  X(END_Y, 108, IDC_END_Y, 1, Point, "0")               \
  X(END_Z, 109, IDC_END_Z, 1, Point, "0")

enum ActiveField : std::int32_t {
  AF_NONE = 0,
#define MENSORATOR_ENUMERATOR(name, code, id, page, group, start) AF_##name = code,
  MENSORATOR_ACTIVE_FIELDS(MENSORATOR_ENUMERATOR)
#undef MENSORATOR_ENUMERATOR
};

// The register itself: one process-wide value, AF_NONE until a field is first focused.
inline std::int32_t g_activeField = AF_NONE;

// What a field holds: the integer in one of four radixes, the angle in a unit or as one of its
// functions, a coordinate of one of the two points, or a measure between them. The integer
// and the angle are each a group of their own; points and measures convert into each other.
enum class FieldGroup { Integer, Angle, Point, Measure };

struct ActiveFieldInfo {
  ActiveField code;
  std::string_view name;  // the code's name without "AF_"
  int controlId;
  int page;  // its page's index in tab order
  FieldGroup group;
  std::string_view startText;  // what the field shows when the program starts
};

inline constexpr ActiveFieldInfo kActiveFields[] = {
#define MENSORATOR_INFO(name, code, id, page, group, start) \
  {AF_##name, #name, id, page, FieldGroup::group, start},
    MENSORATOR_ACTIVE_FIELDS(MENSORATOR_INFO)
#undef MENSORATOR_INFO
};

// Looks a field up by its name without "AF_" ("DEC", "END_Z").
std::optional<ActiveFieldInfo> FindActiveField(std::string_view name);
// Looks a field up by its code, or by its control identifier; nullptr for no field.
const ActiveFieldInfo* FieldOfCode(std::int32_t code);
const ActiveFieldInfo* FieldOfControl(int controlId);

#endif
