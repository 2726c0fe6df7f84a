# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# The locales under which every field text the program shows must be the same: the C locale,
# two with a decimal comma, one with a multibyte encoding, and English. The window's own
# labels follow the language: Japanese under C and ja_JP, English under the others.
# tools/install-deps generates them.
set(MENSORATOR_TEST_LOCALES C de_DE.UTF-8 en_US.UTF-8 fr_FR.UTF-8 ja_JP.UTF-8)

# Adds a test once per locale, named NAME@LOCALE and run with LC_ALL=LOCALE; with
# MENSORATOR_LOCALE_MATRIX off, under the C locale only:
#   mensorator_add_locale_tests(NAME name COMMAND command... [ENVIRONMENT VAR=value...])
function(mensorator_add_locale_tests)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "COMMAND;ENVIRONMENT")
  set(locales C)
  if(MENSORATOR_LOCALE_MATRIX)
    set(locales ${MENSORATOR_TEST_LOCALES})
  endif()
  foreach(locale IN LISTS locales)
    set(environment ${arg_ENVIRONMENT})
    list(APPEND environment LC_ALL=${locale})
    add_test(NAME ${arg_NAME}@${locale} COMMAND ${arg_COMMAND})
    # LANGUAGE would override the locale's language for the window's texts.
    set_tests_properties(${arg_NAME}@${locale} PROPERTIES ENVIRONMENT "${environment}"
                         ENVIRONMENT_MODIFICATION LANGUAGE=unset:)
  endforeach()
endfunction()
