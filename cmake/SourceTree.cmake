# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# The files of the source tree, from the tree itself rather than from git, so that the checks
# that read them pass alike in a clone and in an export with no .git: every file under
# SOURCE_DIR except git's own folder and what .gitignore names (build trees and the like).
# .gitignore's patterns are read in the forms it uses: "/dir/" for a folder at the top,
# "*.ext" for a name anywhere.
#   mensorator_source_files(OUT_VAR SOURCE_DIR [GLOB...])   relative paths, sorted
function(mensorator_source_files out_var source_dir)
  set(globs ${ARGN})
  if(NOT globs)
    set(globs "*")
  endif()
  set(ignored "^\\.git(/|$)")
  file(STRINGS ${source_dir}/.gitignore patterns REGEX "^[^#]")
  foreach(pattern IN LISTS patterns)
    string(REGEX REPLACE "([.+?^$()])" "\\\\\\1" regex "${pattern}")
    string(REPLACE "*" "[^/]*" regex "${regex}")
    if(regex MATCHES "^/")
      string(REGEX REPLACE "^/" "^" regex "${regex}")
    else()
      set(regex "(^|/)${regex}")
    endif()
    if(NOT regex MATCHES "/$")
      string(APPEND regex "(/|$)")
    endif()
    list(APPEND ignored "${regex}")
  endforeach()
  list(JOIN ignored "|" ignored)
  list(TRANSFORM globs PREPEND "${source_dir}/")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${source_dir} ${globs})
  list(FILTER files EXCLUDE REGEX "${ignored}")
  list(SORT files)
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()
