# Cross build for 64-bit Windows with Debian's MinGW-w64. The POSIX-thread
# compilers, because the win32-thread ones lack std::mutex and std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TABULON_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TABULON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TABULON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TABULON_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TABULON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
# Headers, libraries and packages built for the target also live outside the
# root (the cached wxMSW and googletest), named by wx-config and
# CMAKE_PREFIX_PATH; the root is searched first.
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Programs that run on their own: the C++ runtime and the thread library
# linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
