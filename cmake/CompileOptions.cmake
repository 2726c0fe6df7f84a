# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Options every target of the project builds with: link `mensorator_compile_options` privately.
add_library(mensorator_compile_options INTERFACE)
target_compile_options(mensorator_compile_options INTERFACE
  -Wall -Wextra -Wpedantic
  # Results must not depend on whether the target fuses multiply and add.
  -ffp-contract=off)

option(MENSORATOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(MENSORATOR_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(mensorator_compile_options INTERFACE ${sanitize_flags})
  target_link_options(mensorator_compile_options INTERFACE ${sanitize_flags})
endif()
