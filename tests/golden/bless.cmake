# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Rewrites every golden script's NAME.expected from what the driver prints now, after an
# intended change, and lists the files it changed: review them with `git diff`. A script that
# ends with another status than its test expects is an error, not a new expected output.
#   cmake -DDRIVER=... [-DEMULATOR=...] -DDIR=tests/golden -P bless.cmake
include(${CMAKE_CURRENT_LIST_DIR}/run_script.cmake)
set(ENV{LC_ALL} C)
file(GLOB_RECURSE scripts ${DIR}/*.script)
list(SORT scripts)
set(changed 0)
foreach(script IN LISTS scripts)
  cmake_path(REPLACE_EXTENSION script LAST_ONLY .expected OUTPUT_VARIABLE expected_file)
  cmake_path(REPLACE_EXTENSION script LAST_ONLY .stderr OUTPUT_VARIABLE stderr_file)
  golden_run(${script} out err status)
  set(expected_status 0)
  if(EXISTS ${stderr_file})
    set(expected_status 2)
  endif()
  if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "${script}: exit status ${status}, expected ${expected_status}\n${err}")
  endif()
  file(READ ${expected_file} expected_out)
  if(NOT out STREQUAL expected_out)
    file(WRITE ${expected_file} "${out}")
    cmake_path(RELATIVE_PATH expected_file BASE_DIRECTORY ${DIR})
    message(STATUS "changed ${expected_file}")
    math(EXPR changed "${changed} + 1")
  endif()
endforeach()
list(LENGTH scripts count)
message(STATUS "${changed} of ${count} expected outputs changed")
