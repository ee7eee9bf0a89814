# Cross toolchain for the 64-bit Windows build: MinGW-w64 for x86_64.
set(TAVO_MINGW_TRIPLET x86_64-w64-mingw32)
set(TAVO_MINGW_PROCESSOR AMD64)
set(TAVO_MINGW_JPEG mingw-libjpeg)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
