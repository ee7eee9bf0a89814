# Cross toolchain for the 32-bit Windows build: MinGW-w64 for i686.
set(TAVO_MINGW_TRIPLET i686-w64-mingw32)
set(TAVO_MINGW_PROCESSOR X86)
set(TAVO_MINGW_JPEG mingw-libjpeg-i686)
include(${CMAKE_CURRENT_LIST_DIR}/MinGW.cmake)
