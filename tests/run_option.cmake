# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Runs PROGRAM with the arguments ARGS (a list) and no display in the environment, and checks
# that it exits with STATUS and prints, on standard output and error together, what matches
# EXPECTED.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
string(REPLACE "\r" "" out "${out}")
if(NOT status STREQUAL STATUS OR NOT out MATCHES "${EXPECTED}")
  message(FATAL_ERROR "${PROGRAM} ${ARGS}: exit status ${status}, printed\n${out}"
                      "expected status ${STATUS} and a match of: ${EXPECTED}")
endif()
