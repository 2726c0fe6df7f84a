# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# fast_float reads and {fmt} writes the number texts. Both are used header-only ({fmt} with
# FMT_HEADER_ONLY), so every target, the cross builds included, compiles the same headers from
# the build machine's Debian packages (libfast-float-dev, libfmt-dev) and links no library of
# theirs. Their two include trees are linked into one build-tree folder, so that a cross
# compiler sees them and nothing else of the build machine's /usr/include.
find_path(MENSORATOR_FAST_FLOAT_INCLUDE_DIR fast_float/fast_float.h
  PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(MENSORATOR_FMT_INCLUDE_DIR fmt/format.h
  PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(number_text_include_dir ${CMAKE_BINARY_DIR}/number-text-include)
file(MAKE_DIRECTORY ${number_text_include_dir})
file(CREATE_LINK ${MENSORATOR_FAST_FLOAT_INCLUDE_DIR}/fast_float
  ${number_text_include_dir}/fast_float SYMBOLIC)
file(CREATE_LINK ${MENSORATOR_FMT_INCLUDE_DIR}/fmt ${number_text_include_dir}/fmt SYMBOLIC)

add_library(mensorator_number_text_libraries INTERFACE)
target_include_directories(mensorator_number_text_libraries SYSTEM INTERFACE
  ${number_text_include_dir})
target_compile_definitions(mensorator_number_text_libraries INTERFACE
  FMT_HEADER_ONLY
  # No std::locale: the texts never use a locale's digit grouping.
  FMT_STATIC_THOUSANDS_SEPARATOR=',')
