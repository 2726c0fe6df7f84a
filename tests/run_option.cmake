# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Runs PROGRAM with one OPTION and checks that it exits with status 0 and prints what matches
# EXPECTED, with no display in the environment.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${OPTION}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REPLACE "\r" "" out "${out}")
if(NOT status EQUAL 0 OR NOT out MATCHES "${EXPECTED}")
  message(FATAL_ERROR "${OPTION}: exit status ${status}, printed\n${out}${err}"
                      "expected status 0 and a match of: ${EXPECTED}")
endif()
