# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Tests that skip where something they need is missing (a tool, a font): exit status 77, or a
# Qt Test QSKIP. On a developer's machine CTest reports the skip. In CI (the environment
# variable CI set when configuring), where tools/install-deps has installed everything, a skip
# fails the run: a test that cannot run there must be named in its preset's
# MENSORATOR_CI_SKIPS, as "TEST: why it cannot run here".
set(MENSORATOR_CI_SKIPS "" CACHE STRING
    "Tests allowed to skip in CI, each as \"TEST: why it cannot run there\"")

#   mensorator_may_skip(TEST...)
function(mensorator_may_skip)
  foreach(test IN LISTS ARGN)
    set(stated_why FALSE)
    foreach(entry IN LISTS MENSORATOR_CI_SKIPS)
      string(FIND "${entry}" "${test}: " at)
      if(at EQUAL 0)
        set(stated_why TRUE)
      endif()
    endforeach()
    if(DEFINED ENV{CI} AND NOT stated_why)
      # Status 77 fails as any other status does; a QSKIP prints "SKIP   :" and exits with 0.
      set_tests_properties(${test} PROPERTIES FAIL_REGULAR_EXPRESSION "(^|\n)SKIP   : ")
    else()
      set_tests_properties(${test} PROPERTIES SKIP_RETURN_CODE 77)
    endif()
  endforeach()
endfunction()
