# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Fails when a C++ source of the source tree differs from what clang-format would write.
#   cmake -DCLANG_FORMAT=clang-format -DSOURCE_DIR=dir -P check_format.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceTree.cmake)
mensorator_source_files(sources ${SOURCE_DIR} *.cpp *.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Run clang-format -i on the files named above.")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources formatted")
