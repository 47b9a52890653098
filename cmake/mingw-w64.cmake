# Cross-compiling for x86-64 Windows with Debian's MinGW-w64 compilers (the
# -posix ones, whose threads std::thread uses): cmake -DCMAKE_TOOLCHAIN_FILE=
# cmake/mingw-w64.cmake. Programs are linked statically, libgcc and libstdc++
# included, so that they run under Wine or on Windows with no extra DLLs; when
# Wine is installed, ctest runs them through it. Debian's package wine puts the
# loader on the PATH (/usr/bin/wine); wine64 alone leaves it in /usr/lib/wine,
# which is searched too.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELDORAN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELDORAN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELDORAN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELDORAN_MINGW_TRIPLET}-windres)

# Libraries and headers from the MinGW tree only; programs (Wine) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VELDORAN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(VELDORAN_WINE NAMES wine wine64 PATHS /usr/lib/wine /usr/lib64/wine /opt/wine-stable/bin)
if(VELDORAN_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VELDORAN_WINE})
endif()
