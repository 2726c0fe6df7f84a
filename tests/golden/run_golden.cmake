# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Runs one golden script and compares what the driver printed with the expected texts. Every
# failure names the script.
include(${CMAKE_CURRENT_LIST_DIR}/run_script.cmake)
cmake_path(REPLACE_EXTENSION SCRIPT LAST_ONLY .expected OUTPUT_VARIABLE expected_file)
cmake_path(REPLACE_EXTENSION SCRIPT LAST_ONLY .stderr OUTPUT_VARIABLE stderr_file)

golden_run(${SCRIPT} out err status)

set(expected_status 0)
set(expected_err "")
if(EXISTS ${stderr_file})
  set(expected_status 2)
  file(READ ${stderr_file} expected_err)
endif()
file(READ ${expected_file} expected_out)

if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "${SCRIPT}: exit status ${status}, expected ${expected_status}\n${err}")
endif()
if(EXISTS ${stderr_file} AND NOT err STREQUAL expected_err)
  message(FATAL_ERROR
    "${SCRIPT}: standard error differs:\n--- got\n${err}--- expected\n${expected_err}")
endif()
if(NOT out STREQUAL expected_out)
  string(MD5 tag "${SCRIPT}")
  set(actual_file ${CMAKE_CURRENT_BINARY_DIR}/golden-${tag}.actual)
  file(WRITE ${actual_file} "${out}")
  execute_process(COMMAND diff -u ${expected_file} ${actual_file} OUTPUT_VARIABLE diff)
  message(FATAL_ERROR "${SCRIPT}: output differs from ${expected_file}:\n${diff}"
                      "After an intended change, `cmake --build BUILD_DIR --target bless` "
                      "rewrites the expected outputs.")
endif()
