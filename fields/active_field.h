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

// Every edit field of both pages: name, code, control identifier. Codes 1-10 are the number
// and angle page's, 100-109 the distance and angle page's; the list is in code order.
#define MENSORATOR_ACTIVE_FIELDS(X)    \
  X(DEC, 1, IDC_DEC)                   \
  X(HEX, 2, IDC_HEX)                   \
  X(OCT, 3, IDC_OCT)                   \
  X(BIN, 4, IDC_BIN)                   \
  X(DEGREE, 5, IDC_DEGREE)             \
  X(RADIAN, 6, IDC_RADIAN)             \
  X(GRAD, 7, IDC_GRAD)                 \
  X(SIN, 8, IDC_SIN)                   \
  X(TAN, 9, IDC_TAN)                   \
  X(COS, 10, IDC_COS)                  \
  X(XY_ANGLE, 100, IDC_XY_ANGLE)       \
  X(ELEVATION, 101, IDC_ELEVATION)     \
  X(DISTANCE, 102, IDC_DISTANCE)       \
  X(XY_DISTANCE, 103, IDC_XY_DISTANCE) \
  X(START_X, 104, IDC_START_X)         \
  X(START_Y, 105, IDC_START_Y)         \
  X(START_Z, 106, IDC_START_Z)         \
  X(END_X, 107, IDC_END_X)             \
  X(END_Y, 108, IDC_END_Y)             \
  X(END_Z, 109, IDC_END_Z)

enum ActiveField : std::int32_t {
  AF_NONE = 0,
#define MENSORATOR_ENUMERATOR(name, code, id) AF_##name = code,
  MENSORATOR_ACTIVE_FIELDS(MENSORATOR_ENUMERATOR)
#undef MENSORATOR_ENUMERATOR
};

// The register itself: one process-wide value, AF_NONE until a field is first focused.
inline std::int32_t g_activeField = AF_NONE;

struct ActiveFieldInfo {
  ActiveField code;
  std::string_view name;  // the code's name without "AF_"
  int controlId;
};

inline constexpr ActiveFieldInfo kActiveFields[] = {
#define MENSORATOR_INFO(name, code, id) {AF_##name, #name, id},
    MENSORATOR_ACTIVE_FIELDS(MENSORATOR_INFO)
#undef MENSORATOR_INFO
};

// Looks a field up by its name without "AF_" ("DEC", "END_Z").
std::optional<ActiveFieldInfo> FindActiveField(std::string_view name);

#endif
