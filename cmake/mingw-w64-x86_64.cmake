# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX
# threads variant, which has std::thread and friends). Tests run under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Self-contained .exe files: no libstdc++, libgcc or winpthread DLL to ship.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# printf and friends of MinGW-w64 itself, which print long double in full.
# -Wno-restrict: this GCC 12 warns about std::string's own inlined copies
# (GCC bug 105651), which -Werror would turn into failures.
set(CMAKE_CXX_FLAGS_INIT "-D__USE_MINGW_ANSI_STDIO=1 -Wno-restrict")
find_program(GRAVITARIA_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(GRAVITARIA_WINE64 NAMES wine64)
if(GRAVITARIA_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GRAVITARIA_WINE64})
endif()
