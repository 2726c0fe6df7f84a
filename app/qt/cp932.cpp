// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

#include "app/qt/cp932.h"

#include <iconv.h>

#include <string>

QString DecodeCp932(std::string_view bytes) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return {};
  std::string input(bytes);
  // A character of code page 932 takes one or two bytes and at most three in UTF-8.
  std::string output(input.size() * 3, '\0');
  char* in = input.data();
  char* out = output.data();
  size_t inLeft = input.size();
  size_t outLeft = output.size();
  const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<size_t>(-1)) return {};
  return QString::fromUtf8(output.data(), static_cast<qsizetype>(output.size() - outLeft));
}
