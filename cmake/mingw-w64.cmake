# Cross-compiles the Windows program on Linux with MinGW-w64 for 64-bit
# Windows (Debian: g++-mingw-w64-x86-64). Wine, when it is installed, runs the
# test programs built.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The compilers with POSIX threads: the standard library's std::mutex, which
# GoogleTest needs, is missing from those built for Win32 threads.
set(MORVEX_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVEX_MINGW_TRIPLET}-windres)

# Headers, libraries and packages come from the Windows sysroot only; the
# programs run during the build are the machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${MORVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine runs the test programs, through a script that starts and prepares it.
find_program(MORVEX_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(MORVEX_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
endif()
