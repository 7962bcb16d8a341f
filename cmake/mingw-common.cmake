# Shared part of the mingw-w64 toolchain files. The including file sets KORVEL_MINGW_TRIPLE.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 5.1)

# The win32 thread model: the posix one links winpthreads, which imports functions XP lacks
# (GetTickCount64 among them).
set(CMAKE_C_COMPILER ${KORVEL_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${KORVEL_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${KORVEL_MINGW_TRIPLE}-windres)
set(KORVEL_OBJDUMP ${KORVEL_MINGW_TRIPLE}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVEL_MINGW_TRIPLE} $ENV{HOME}/.cache/korvel-lite-deps/openssl-${KORVEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows test programs run under Wine; the wrapper supplies the private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine_run.sh)
set(CMAKE_OBJCOPY ${KORVEL_MINGW_TRIPLE}-objcopy CACHE FILEPATH "")
set(CMAKE_STRIP ${KORVEL_MINGW_TRIPLE}-strip CACHE FILEPATH "")
