# The MinGW-w64 cross compilers of one architecture; the toolchain files name it in
# LT_MINGW_TRIPLET and include this.
set(CMAKE_SYSTEM_NAME Windows)
# The -posix variants: GoogleTest needs std::mutex, which the -win32 ones lack.
set(CMAKE_C_COMPILER ${LT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LT_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
