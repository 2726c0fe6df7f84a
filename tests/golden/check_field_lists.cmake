# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Checks that every document listing the script driver's field names lists exactly the
# program's fields, in their order: the names a `dump` prints, which come from the field table.
# Usage: cmake -DDRIVER=mensorator-script -DWORK=dir -DDOCS="a;b" -P check_field_lists.cmake
file(WRITE ${WORK}/dump.script "dump\n")
execute_process(COMMAND ${DRIVER} ${WORK}/dump.script
  OUTPUT_VARIABLE dump RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${DRIVER} failed: ${status}")
endif()
string(REGEX MATCHALL "(^|\n)[A-Z_]+\t" names "${dump}")
list(TRANSFORM names STRIP)
list(REMOVE_ITEM names "")
list(JOIN names " " expected)
foreach(doc IN LISTS DOCS)
  file(READ ${doc} text)
  string(FIND "${text}" "${expected}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${doc} does not list the fields as the program has them: ${expected}")
  endif()
endforeach()
