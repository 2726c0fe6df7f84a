# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Builds the .deb with CPack into a directory of its own and checks it with lintian: any error
# or warning fails. Run by CTest with -DCPACK=... -DLINTIAN=... -DBINARY_DIR=... -DOUTPUT=...
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${CPACK} -G DEB -B ${OUTPUT}
  WORKING_DIRECTORY ${BINARY_DIR}
  OUTPUT_VARIABLE log ERROR_VARIABLE log RESULT_VARIABLE status)
file(GLOB deb ${OUTPUT}/*.deb)
if(status OR NOT deb)
  message(FATAL_ERROR "cpack made no package:\n${log}")
endif()

execute_process(COMMAND ${LINTIAN} --fail-on error,warning --display-info ${deb}
  RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "lintian rejects ${deb}")
endif()
