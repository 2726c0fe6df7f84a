# SPDX-FileCopyrightText: 2026 The Mensorator developers
# SPDX-License-Identifier: MIT

# Cross build for 64-bit Windows with Debian's mingw-w64 (packages g++-mingw-w64-x86-64-posix
# and wine64). Programs built here run under wine: CTest and the golden-script runner start
# them through tests/win32/wine-run, with one wine prefix per build directory.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained executable: the compiler's runtime and winpthreads linked in, so that it
# imports nothing but system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

cmake_path(SET wine_run NORMALIZE ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run)
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_run} ${CMAKE_BINARY_DIR}/wine-prefix)
