# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Runs one golden script and compares what the driver printed with the expected texts.
# Line ends are compared without carriage returns, so a Windows build of the driver passes too.
cmake_path(REPLACE_EXTENSION SCRIPT LAST_ONLY .expected OUTPUT_VARIABLE expected_file)
cmake_path(REPLACE_EXTENSION SCRIPT LAST_ONLY .stderr OUTPUT_VARIABLE stderr_file)

execute_process(COMMAND ${EMULATOR} ${DRIVER} ${SCRIPT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\r" "" out "${out}")
string(REPLACE "\r" "" err "${err}")

set(expected_status 0)
set(expected_err "")
if(EXISTS ${stderr_file})
  set(expected_status 2)
  file(READ ${stderr_file} expected_err)
endif()
file(READ ${expected_file} expected_out)

if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${err}")
endif()
if(EXISTS ${stderr_file} AND NOT err STREQUAL expected_err)
  message(FATAL_ERROR "standard error differs:\n--- got\n${err}--- expected\n${expected_err}")
endif()
if(NOT out STREQUAL expected_out)
  string(MD5 tag "${SCRIPT}")
  set(actual_file ${CMAKE_CURRENT_BINARY_DIR}/golden-${tag}.actual)
  file(WRITE ${actual_file} "${out}")
  execute_process(COMMAND diff -u ${expected_file} ${actual_file} OUTPUT_VARIABLE diff)
  message(FATAL_ERROR "output differs from ${expected_file}:\n${diff}")
endif()
