# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX threads).
# Pass -DQT_MINGW_PREFIX=<folder holding the unpacked qt6-mingw64> to find the Windows Qt.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(QT_MINGW_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH "${QT_MINGW_PREFIX}")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One .exe each: the GCC runtime and winpthreads go inside, so nothing but the system's own
# DLLs is needed beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# -O2, as the Linux build that the tests cover: GCC 12's -O3 raises false -Wrestrict alarms
# inside std::string.
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")
