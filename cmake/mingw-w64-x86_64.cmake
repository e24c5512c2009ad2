# Cross-compiling for Windows x86_64 with Debian's mingw-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORDAVEL_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KORDAVEL_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORDAVEL_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORDAVEL_MINGW_TRIPLET}-windres)

# Libraries, headers and packages come from the mingw sysroot and the toolkit
# folders given in CMAKE_FIND_ROOT_PATH; programs (moc, rcc) from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${KORDAVEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
