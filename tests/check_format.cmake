# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Fails when a C++ source that git tracks differs from what clang-format would write.
#   cmake -DCLANG_FORMAT=clang-format -DSOURCE_DIR=dir -P check_format.cmake
execute_process(COMMAND git ls-files -- "*.cpp" "*.h"
  WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE sources RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "git ls-files failed in ${SOURCE_DIR}")
endif()
string(REPLACE "\n" ";" sources "${sources}")
list(FILTER sources EXCLUDE REGEX "^$")
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${sources}
  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Run clang-format -i on the files named above.")
endif()
list(LENGTH sources count)
message(STATUS "${count} sources formatted")
