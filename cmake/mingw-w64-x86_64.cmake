# Cross build of pipsweep.exe for 64-bit Windows with Debian's mingw-w64:
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DPIPSWEEP_TESTS=OFF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The win32 thread model: the tool has one thread, and this way no
# winpthread library is pulled in at all.
set(PIPSWEEP_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PIPSWEEP_MINGW}-gcc-win32)
set(CMAKE_CXX_COMPILER ${PIPSWEEP_MINGW}-g++-win32)
set(CMAKE_RC_COMPILER ${PIPSWEEP_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PIPSWEEP_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static C++ and GCC runtimes: the exe runs on a clean Windows with only the
# system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
