# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Checks the licence information of every file of the source tree with `reuse lint`. Without
# version control reuse would lint the build trees too, so it reads a copy of the source files
# alone, the same in a clone and in an export with no .git.
#   cmake -DREUSE=reuse -DSOURCE_DIR=... -DCOPY_DIR=... -P reuse_lint.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/SourceTree.cmake)
mensorator_source_files(files ${SOURCE_DIR})
file(REMOVE_RECURSE ${COPY_DIR})
foreach(file IN LISTS files)
  cmake_path(GET file PARENT_PATH dir)
  file(COPY ${SOURCE_DIR}/${file} DESTINATION ${COPY_DIR}/${dir})
endforeach()
execute_process(COMMAND ${REUSE} --root ${COPY_DIR} lint RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "reuse lint finds files without licence information: see above "
                      "(the paths are those of the source tree)")
endif()
