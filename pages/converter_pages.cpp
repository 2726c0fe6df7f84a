// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "pages/converter_pages.h"

#include "fields/active_field.h"

void ConverterPages::Create() {
  // Pages made after others (a test, a benchmark, a second window) start from the same texts
  // as the first: a code left in the register would let the start-up's writes cascade.
  g_activeField = AF_NONE;
  for (CFieldPage* page : All()) page->Create();
}

CFieldPage* ConverterPages::PageOf(int controlId) {
  for (CFieldPage* page : All())
    if (page->HasField(controlId)) return page;
  return nullptr;
}
