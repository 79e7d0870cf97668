# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross build for 64-bit Windows with Debian's mingw-w64, the programs run
# under Wine. Statically linked, so the one .exe needs no DLL beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PENDRA_MINGW x86_64-w64-mingw32)
# The posix-threads variant: the win32 one lacks std::thread and friends.
find_program(CMAKE_CXX_COMPILER NAMES ${PENDRA_MINGW}-g++-posix ${PENDRA_MINGW}-g++ REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${PENDRA_MINGW}-gcc-posix ${PENDRA_MINGW}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${PENDRA_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PENDRA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine runs the tests, quietly, with its prefix in the build tree so that a
# fresh clone built as root on a machine without a display needs no set-up.
# Mono and Gecko are never offered: nothing here needs them.
find_program(PENDRA_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(PENDRA_WINE)
    set(PENDRA_WINEPREFIX "${CMAKE_BINARY_DIR}/wine")
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_COMMAND} -E env WINEDEBUG=-all "WINEPREFIX=${PENDRA_WINEPREFIX}"
        "WINEDLLOVERRIDES=mscoree,mshtml=" ${PENDRA_WINE})
endif()
