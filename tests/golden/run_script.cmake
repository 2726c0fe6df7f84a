# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Runs the script driver DRIVER (through EMULATOR where set) on one golden script, as its test
# does: a script in the folder stdin/ goes to standard input, every other one is the operand.
# Carriage returns leave the output, so a Windows build of the driver passes too.
#   golden_run(SCRIPT OUT_VAR ERR_VAR STATUS_VAR)
function(golden_run script out_var err_var status_var)
  cmake_path(GET script PARENT_PATH dir)
  cmake_path(GET dir FILENAME folder)
  if(folder STREQUAL "stdin")
    execute_process(COMMAND ${EMULATOR} ${DRIVER} INPUT_FILE ${script}
      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  else()
    execute_process(COMMAND ${EMULATOR} ${DRIVER} ${script}
      OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  endif()
  string(REPLACE "\r" "" out "${out}")
  string(REPLACE "\r" "" err "${err}")
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
  set(${status_var} "${status}" PARENT_SCOPE)
endfunction()
