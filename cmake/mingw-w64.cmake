# Cross-compiles for 64-bit Windows with the MinGW-w64 GCC of the POSIX
# thread model (its C++ threads and <mutex> work without extra headers).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANNE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANNE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANNE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANNE_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANNE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static C, C++ and thread runtimes: the program runs on a bare Windows
# without any MinGW DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
