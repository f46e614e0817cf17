# Cross-build for 64-bit Windows with Debian's MinGW-w64 compilers
# (package g++-mingw-w64-x86-64-posix):
#
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DTQWEIR_BUILD_TESTS=OFF
#   cmake --build build-win -j2
#
# Every executable (tqweir.exe and the tools) is linked statically, so it runs
# on a Windows machine with nothing installed beyond the system's own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TQWEIR_MINGW_TRIPLE x86_64-w64-mingw32)

# The posix thread model gives std::thread and std::mutex (through
# winpthreads, linked in statically); the win32 one lacks them in GCC 12.
find_program(TQWEIR_MINGW_CXX NAMES ${TQWEIR_MINGW_TRIPLE}-g++-posix ${TQWEIR_MINGW_TRIPLE}-g++)
find_program(TQWEIR_MINGW_CC NAMES ${TQWEIR_MINGW_TRIPLE}-gcc-posix ${TQWEIR_MINGW_TRIPLE}-gcc)
if(NOT TQWEIR_MINGW_CXX)
  message(FATAL_ERROR "no ${TQWEIR_MINGW_TRIPLE}-g++: install g++-mingw-w64-x86-64-posix")
endif()
set(CMAKE_CXX_COMPILER ${TQWEIR_MINGW_CXX})
if(TQWEIR_MINGW_CC)
  set(CMAKE_C_COMPILER ${TQWEIR_MINGW_CC})
endif()
set(CMAKE_RC_COMPILER ${TQWEIR_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TQWEIR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The Windows C runtime's own printf and scanf are not C99: "%lf" rounding,
# the spelling of infinities and NaNs, and "%n" differ. MinGW-w64 ships
# C99-conformant replacements, chosen for every translation unit by this
# macro, so numbers are written and read exactly as on Linux.
set(CMAKE_C_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1")

# No libgcc, libstdc++ or libwinpthread DLL beside the .exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
