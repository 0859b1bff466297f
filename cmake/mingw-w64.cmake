# Cross-building the Windows programs on Debian: MinGW-w64 with posix threads (std::thread),
# against the Qt and GoogleTest for MinGW named by ORBISK_WIN_PREFIXES (a list of folders).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_AR /usr/bin/x86_64-w64-mingw32-ar CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/x86_64-w64-mingw32-ranlib CACHE FILEPATH "")

# Libraries and headers only from the MinGW root and the given prefixes; programs (moc, rcc)
# from the host, whose Qt is the same 6.4.2.
set(ORBISK_WIN_PREFIXES "${ORBISK_WIN_PREFIXES}" CACHE STRING "Folders holding Qt and GoogleTest for MinGW")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORBISK_WIN_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ORBISK_WIN_PREFIXES})
set(CMAKE_PREFIX_PATH ${ORBISK_WIN_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(NOT DEFINED QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Qt's host tools (Debian's Qt 6.4.2)")
endif()
# CTest runs the test programs under Wine (scripts/test-windows.sh sets up its prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR wine CACHE FILEPATH "")
